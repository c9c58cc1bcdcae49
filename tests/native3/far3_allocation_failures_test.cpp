// The FAR 3 build's own allocations (the blocks FAR writes items and directories into, the
// prefixed long path, the list's records) refused one at a time in a scripted session: each run
// must end without a crash or a fault FAR would meet, with a consistent registry, a panel that
// shows its view, and nothing leaked.
#include <cstdio>
#include <set>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "far3/lifecycle.h"
#include "host_core/unicode.h"
#include "memory/node_pool.h"
#include "native/failing_allocations.h"
#include "native3/far3_fixture.h"
#include "slots/view_registry.h"
#include "views/view_numbers.h"

using namespace far_tolvane;

namespace {

const std::string deep = "C:\\Проекты\\" + std::string(150, 'x') + "\\資料" + std::string(150, 'y');

// Every view once in both lists, numbers unique, slots agreeing with shown_in.
void check_registry(long long refused) {
  std::multiset<const view*> owned;
  std::multiset<const view*> ordered;
  for (const auto& each : owned_views) owned.insert(each.get());
  for (const auto* each : view_order) ordered.insert(each);
  ASSERT_EQ(owned, ordered) << refused;
  std::set<int> numbers;
  for (const auto* each : view_order) numbers.insert(each->number);
  // Every panel here is in a folder: a view without one was taken short of memory. Nor is a
  // folder that is there taken for a missing one.
  const auto& files = fake_windows::state().files;
  for (const auto* each : view_order) {
    EXPECT_NE(each->path()[0], 0) << refused;
    if (files.count(host_core::utf8_of(each->path())) && !each->is_special_panel()) {
      EXPECT_TRUE(each->exists()) << host_core::utf8_of(each->path()) << "; " << refused;
    }
  }
  EXPECT_EQ(numbers.size(), view_order.size()) << refused;
  EXPECT_EQ(numbers, std::set<int>(view_numbers.begin(), view_numbers.end())) << refused;
  for (const auto& slot : panel_slots) {
    ASSERT_EQ(owned.count(slot.shown()), 1u) << refused;
    bool named = false;
    for (const auto* in : slot.shown()->shown_in) named = named || in == &slot;
    EXPECT_TRUE(named) << refused;
  }
}

long long run_session(long long refused, bool keep_refusing) {
  fake_windows::reset();
  fake_windows::machine& win = fake_windows::state();
  host_model::model host;
  host_core::far3_table& far3 = *host.far3;
  far3.load_language_file(TOLVANE_LANG_DIR "/TolvaneEng.lng");
  host.list_dir = [&win](const std::string& dir) { return win.list_dir(dir); };
  host.set_ctrl = [&win](bool down) { win.ctrl_down = down; };
  far3.synchro_handler = process_synchro_event;
  far3.idle_hook = [] { fake_windows::run_thread_round(); };
  win.add_dir("C:\\");
  for (const std::string& dir : std::vector<std::string>{
           "C:\\Left", "C:\\Right", "C:\\Проекты", "C:\\Проекты\\" + std::string(150, 'x'), deep})
    win.add_dir(dir);
  for (const char* name : {"a", "b", "c"}) win.add_file(std::string("C:\\Left\\") + name);
  win.add_file("C:\\Right\\x");
  win.add_file(deep + "\\отчёт.txt");
  host.change_dir(host.panels[0], "C:\\Left");
  host.change_dir(host.panels[1], deep);
  host.panels[0].select("b");
  host.panels[1].select("отчёт.txt");

  failing_allocations::made = 0;
  failing_allocations::refused_number = refused;
  failing_allocations::keep_refusing = keep_refusing;
  far3_host::GlobalInfo global{};
  global.StructSize = sizeof global;
  get_global_info(&global);
  far3.plugin_guid = global.Guid;
  const far3_host::PluginStartupInfo info = far3.startup_info("C:\\Far\\Plugins\\Tolvane.dll");
  set_startup_info(&info);
  auto opening = [&](std::initializer_list<const char*> keys) {
    while (node_spares.count > 0) ::operator delete(node_spares.blocks[--node_spares.count]);
    host.feed.clear();
    // A short folder is listed whole, with or without memory to shorten a copy of it.
    auto check_lines = [&far3, refused] {
      for (const auto& line : far3.dialogs.back()->line_texts()) {
        if (line.find("Left") != std::string::npos) {
          EXPECT_NE(line.find("C:\\Left"), std::string::npos) << line << "; " << refused;
        }
      }
    };
    host.then(check_lines);
    for (const char* key : keys) {
      host.press(key);
      host.then([check_lines, refused] {
        check_registry(refused);
        check_lines();
      });
    }
    const std::size_t dialogs_before = far3.dialogs.size();
    far3.panels_wait();
    far3_host::OpenInfo open_info{sizeof open_info, far3_host::OPEN_PLUGINSMENU, nullptr, 0,
                                  nullptr};
    EXPECT_EQ(open(&open_info), nullptr);
    far3.panels_wait();
    if (panel_slots.empty()) return;
    check_registry(refused);
    const view* own = active_slot->shown();
    if (far3.dialogs.size() > dialogs_before && own->exists() && !own->is_special_panel()) {
      EXPECT_EQ(host.active_panel().dir, host_core::utf8_of(own->path()))
          << "the panel shows its view; " << refused;
    }
  };
  opening({"Down", "CtrlF3", "CtrlShiftF4", "Up", "CtrlDown", "CtrlHome", "CtrlShiftF5", "CtrlR",
           "Del", "CtrlQ", "CtrlQ", "CtrlF", "End", "Enter"});
  host.active = 1;
  opening({"Down", "Num2", "Ctrl`", "Esc"});
  opening({"CtrlF3", "PgDn", "CtrlF4", "Esc"});
  host.panels[1].open_plugin_panel();
  opening({"Down", "Esc", "Esc"});

  EXPECT_TRUE(keep_refusing || !panel_slots.empty());
  EXPECT_EQ(far3.faults, std::vector<std::string>{}) << refused;
  EXPECT_EQ(far3.screen_faults, std::vector<std::string>{}) << refused;
  const long long made = failing_allocations::made;
  failing_allocations::refused_number = 0;
  far3_host::ExitInfo exit_info{sizeof exit_info, nullptr};
  exit_far(&exit_info);
  EXPECT_EQ(win.open_threads + win.open_events, 0) << refused;
  return made;
}

}  // namespace

TEST(far3_allocation_failures, any_one_failing_allocation_leaves_a_consistent_plugin_and_no_leak) {
  const long long total = run_session(0, false);
  ASSERT_GT(total, 50);
  for (const bool keep_refusing : {false, true}) {
    for (long long refused = 1; refused <= total && !testing::Test::HasFailure(); ++refused) {
      run_session(refused, keep_refusing);
#if defined(__SANITIZE_ADDRESS__)
      ASSERT_EQ(__lsan_do_recoverable_leak_check(), 0) << "allocation " << refused << " refused";
#endif
    }
  }
  std::printf("allocation points walked: %lld\n", total);
}
