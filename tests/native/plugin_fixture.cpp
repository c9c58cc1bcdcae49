#include "native/plugin_fixture.h"

#include <cstring>

#include "dialog/view_list_dialog.h"
#include "keymacros/key_macro_table.h"
#include "plugin/lifecycle.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"

namespace {

fake_windows::machine& fresh_machine() {
  fake_windows::reset();
  return fake_windows::state();
}

}  // namespace

plugin_test::plugin_test() : win(fresh_machine()) {
  host.load_language_file(TOLVANE_LANG_DIR "/TolvaneEng.lng");
  host.list_dir = [this](const std::string& dir) { return win.list_dir(dir); };
  host.set_ctrl = [this](bool down) { win.ctrl_down = down; };
  win.add_dir("C:\\");
}

void plugin_test::TearDown() {
  if (started) far_tolvane::exit_far();
  far_tolvane::key_macro_table.clear();
  EXPECT_EQ(win.open_registry_handles, 0);
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

void plugin_test::open() { far_tolvane::open_plugin(0, 0); }

std::vector<int> order_numbers() {
  std::vector<int> numbers;
  for (const auto* shown : far_tolvane::view_order) numbers.push_back(shown->number);
  return numbers;
}

far_tolvane::view* plugin_test::add_view(const std::string& dir) {
  make_dir(dir);
  far_host::PanelInfo info{};
  std::strncpy(info.CurDir, dir.c_str(), sizeof info.CurDir - 1);
  far_tolvane::owned_views.push_back(far_tolvane::file_panel_view::from_record(info));
  far_tolvane::view_order.push_back(far_tolvane::owned_views.back().get());
  return far_tolvane::view_order.back();
}

void plugin_test::start_with_views(int stored, int active) {
  two_panels(active);
  start();
  for (int i = 1; i <= stored; ++i) add_view("C:\\V" + std::to_string(i));
}

int count_calls(const host_model::model& host, const std::string& prefix) {
  return static_cast<int>(host.calls(prefix).size());
}
