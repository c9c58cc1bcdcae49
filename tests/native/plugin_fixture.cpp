#include "native/plugin_fixture.h"
#include "host_model/record_view.h"

#include <cstring>
#include <map>
#include <set>

#include "dialog/view_list_dialog.h"
#include "far170/key_macro_table.h"
#include "far170/lifecycle.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"
#include "views/view_numbers.h"

namespace {

fake_windows::machine& fresh_machine() {
  fake_windows::reset();
  return fake_windows::state();
}

}  // namespace

void connect(host_model::model& host, fake_windows::machine& win) {
  host.load_language_file(TOLVANE_LANG_DIR "/TolvaneEng.lng");
  host.list_dir = [&win](const std::string& dir) { return win.list_dir(dir); };
  host.set_ctrl = [&win](bool down) { win.ctrl_down = down; };
  host.woken_by_plugin = fake_windows::ctrl_tapped;
  win.add_dir("C:\\");
}

plugin_test::plugin_test() : win(fresh_machine()) { connect(host, win); }

void plugin_test::TearDown() {
  if (started) far_tolvane::exit_far();
  far_tolvane::key_macro_table.clear();
  EXPECT_EQ(win.open_registry_handles, 0);
  EXPECT_EQ(win.open_threads + win.open_events, 0);
  EXPECT_EQ(win.thread_faults, std::vector<std::string>{});
  EXPECT_EQ(host.reserved_not_zero, std::vector<std::string>{});
}

void plugin_test::make_dir(const std::string& dir, const std::vector<std::string>& names) {
  win.add_dir(dir);
  for (const auto& name : names) win.add_file(dir + "\\" + name);
}

void plugin_test::two_panels(int active) {
  make_dir("C:\\Left", {"a.txt", "b.txt", "c.txt"});
  make_dir("C:\\Right", {"x.txt", "y.txt"});
  host.change_dir(host.panels[0], "C:\\Left");
  host.change_dir(host.panels[1], "C:\\Right");
  host.active = active;
}

void plugin_test::start(int struct_size) {
  const far_host::PluginStartupInfo info = host.startup_info(struct_size);
  far_tolvane::set_startup_info(&info);
  started = true;
}

void plugin_test::open() {
  far_tolvane::open_plugin(0, 0);
  EXPECT_EQ(host.feed.size(), 0u) << "left for a dialog that had closed";
}

std::vector<int> order_numbers() {
  std::vector<int> numbers;
  for (const auto* shown : far_tolvane::view_order) numbers.push_back(shown->number);
  return numbers;
}

far_tolvane::view* plugin_test::add_view(const std::string& dir) {
  make_dir(dir);
  far_host::PanelInfo info{};
  std::strncpy(info.CurDir, dir.c_str(), sizeof info.CurDir - 1);
  far_tolvane::owned_views.push_back(host_model::view_of_record(info));
  far_tolvane::view_order.push_back(far_tolvane::owned_views.back().get());
  return far_tolvane::view_order.back();
}

void plugin_test::start_with_views(int stored, int active) {
  two_panels(active);
  start();
  for (int i = 1; i <= stored; ++i) add_view("C:\\V" + std::to_string(i));
}

// The registry's invariants, and a list that shows them, after any key.
void check_registry(const host_model::model& host) {
  using namespace far_tolvane;
  using far_host::LIF_DISABLE;
  std::multiset<const view*> owned, ordered;
  for (const auto& each : owned_views) owned.insert(each.get());
  for (const auto* each : view_order) ordered.insert(each);
  ASSERT_EQ(owned, ordered);
  ASSERT_EQ(std::set<const view*>(owned.begin(), owned.end()).size(), owned.size());
  ASSERT_GE(owned.size(), 2u);

  std::map<const view*, std::multiset<const panel_slot*>> showing;
  for (const auto& slot : panel_slots) {
    ASSERT_NE(slot.shown(), nullptr);
    ASSERT_EQ(owned.count(slot.shown()), 1u);
    showing[slot.shown()].insert(&slot);
  }
  std::set<int> numbers;
  for (const auto* each : view_order) {
    EXPECT_EQ(std::multiset<const panel_slot*>(each->shown_in.begin(), each->shown_in.end()),
              showing[each]);
    EXPECT_GT(each->number, 0);
    numbers.insert(each->number);
  }
  EXPECT_EQ(numbers.size(), view_order.size());
  EXPECT_EQ(numbers, std::set<int>(view_numbers.begin(), view_numbers.end()));

  const host_model::dialog* shown = host.list_dialog();
  if (!shown || shown->closed) return;
  for (const auto& text : shown->line_texts())
    for (unsigned char c : text) ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "a garbage byte: " << text;
  const int line = shown->list().pos.SelectPos;
  ASSERT_GE(line, 0);
  ASSERT_LT(line, static_cast<int>(shown->list().lines.size()));
  EXPECT_EQ(shown->list().lines[line].Flags & LIF_DISABLE, 0u);
  EXPECT_EQ(std::distance(view_order.begin(), dialog_instance->list.cursor_node), line);
  EXPECT_EQ(shown->redraw_off, 0);
}

int count_calls(const host_model::model& host, const std::string& prefix) {
  return static_cast<int>(host.calls(prefix).size());
}
