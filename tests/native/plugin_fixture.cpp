#include "native/plugin_fixture.h"

#include "dialog/view_list_dialog.h"
#include "keymacros/key_macro_table.h"
#include "plugin/lifecycle.h"
#include "slots/view_registry.h"

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

void plugin_test::make_dir(const std::string& dir, std::vector<std::string> names) {
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
