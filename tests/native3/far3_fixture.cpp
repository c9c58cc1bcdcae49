#include "native3/far3_fixture.h"

#include "far3/host_api.h"
#include "far3/lifecycle.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"

namespace {

fake_windows::machine& fresh_machine() {
  fake_windows::reset();
  return fake_windows::state();
}

}  // namespace

std::string guid_text(const far3_host::GUID& guid) { return host_core::guid_text(guid); }

far3_test::far3_test() : win(fresh_machine()), far3(*host.far3) {
  host.ways = host_core::far3_ways();
  far3.load_language_file(TOLVANE_LANG_DIR "/TolvaneEng.lng");
  host.list_dir = [this](const std::string& dir) { return win.list_dir(dir); };
  host.set_ctrl = [this](bool down) { win.ctrl_down = down; };
  far3.synchro_handler = far_tolvane::process_synchro_event;
  // While the host idles, the plugin's thread gets its turn: one wait of its loop.
  far3.idle_hook = [] { fake_windows::run_thread_round(); };
  win.add_dir("C:\\");
}

void far3_test::TearDown() {
  if (started) {
    far3_host::ExitInfo exit_info{sizeof exit_info, nullptr};
    far_tolvane::exit_far(&exit_info);
  }
  EXPECT_EQ(host.feed.size(), 0u) << "left for a dialog that had closed";
  EXPECT_EQ(far3.faults, std::vector<std::string>{});
  EXPECT_EQ(far3.screen_faults, std::vector<std::string>{});
  EXPECT_EQ(far3.running().size(), 0u);
  for (const auto& made : far3.dialogs) EXPECT_TRUE(made->freed) << "a dialog never freed";
  EXPECT_EQ(win.open_threads + win.open_events, 0);
  EXPECT_EQ(win.thread_faults, std::vector<std::string>{});
  EXPECT_EQ(host.reserved_not_zero, std::vector<std::string>{});
}

void far3_test::start() {
  global = far3_host::GlobalInfo{};
  global.StructSize = sizeof global;
  far_tolvane::get_global_info(&global);
  far3.plugin_guid = global.Guid;
  const far3_host::PluginStartupInfo info =
      far3.startup_info("C:\\Far\\Plugins\\Tolvane\\Tolvane.dll");
  far_tolvane::set_startup_info(&info);
  started = true;
  plugin_info = far3_host::PluginInfo{};
  plugin_info.StructSize = sizeof plugin_info;
  far_tolvane::get_plugin_info(&plugin_info);
}

void far3_test::open() {
  far3.panels_wait();
  far3_host::OpenInfo info{sizeof info, far3_host::OPEN_PLUGINSMENU, plugin_info.PluginMenu.Guids,
                           0, nullptr};
  EXPECT_EQ(far_tolvane::open(&info), nullptr) << "FAR 3 would install a plugin panel";
  EXPECT_EQ(host.feed.size(), 0u) << "left for a dialog that had closed";
  far3.panels_wait();
}

void far3_test::make_dir(const std::string& dir, const std::vector<std::string>& names) {
  win.add_dir(dir);
  for (const auto& name : names) win.add_file(dir + "\\" + name);
}

void far3_test::make_big_dir(const std::string& dir, int count) {
  win.add_dir(dir);
  host.make_up_numbered_files(dir, count);
}

far_tolvane::view* far3_test::add_view(const std::string& dir,
                                       const std::vector<std::string>& selected,
                                       const std::function<void(host_core::panel&)>& adjust) {
  host_core::panel& panel = focused();
  const host_core::panel was = panel;
  EXPECT_TRUE(host.change_dir(panel, dir)) << dir;
  for (const auto& name : selected) panel.select(name);
  if (adjust) adjust(panel);
  auto made = far_tolvane::file_panel_view::capture_active_panel();
  panel = was;
  far_tolvane::owned_views.push_back(std::move(made));
  far_tolvane::view_order.push_back(far_tolvane::owned_views.back().get());
  return far_tolvane::view_order.back();
}

void far3_test::two_panels(int active) {
  make_dir("C:\\Left", {"a.txt", "b.txt", "c.txt"});
  make_dir("C:\\Right", {"x.txt", "y.txt"});
  host.change_dir(host.panels[0], "C:\\Left");
  host.change_dir(host.panels[1], "C:\\Right");
  host.active = active;
}

host_core::far3_dialog& far3_test::list() {
  for (auto it = far3.dialogs.rbegin(); it != far3.dialogs.rend(); ++it)
    if (host_core::same_guid((*it)->id, far_tolvane::list_dialog_guid)) return **it;
  throw std::logic_error("the list was never shown");
}

std::vector<std::string> far3_test::calls(const std::string& prefix, std::size_t from) const {
  std::vector<std::string> matching;
  for (std::size_t i = from; i < host.log.size(); ++i)
    if (host.log[i].compare(0, prefix.size(), prefix) == 0) matching.push_back(host.log[i]);
  return matching;
}
