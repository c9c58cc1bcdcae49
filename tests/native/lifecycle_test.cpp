#include <algorithm>
#include <cstring>

#include "dialog/view_list_dialog.h"
#include "far170/host_api.h"
#include "far170/key_macro_table.h"
#include "far170/lifecycle.h"
#include "memory/node_pool.h"
#include "native/failing_allocations.h"
#include "native/plugin_fixture.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"
#include "views/view_numbers.h"

using namespace far_tolvane;

using lifecycle = plugin_test;

namespace {

const selected_names& saved(const view* shown) {
  return dynamic_cast<const file_panel_view&>(*shown).selection();
}

}  // namespace

TEST_F(lifecycle, reports_the_version_word_of_1_70_build_1282) {
  EXPECT_EQ(get_min_far_version(), 0x05020146);
  EXPECT_EQ(get_min_far_version(), 84017478);
}

TEST_F(lifecycle, accepts_a_table_of_372_bytes_and_points_fsf_at_its_own_copy) {
  two_panels();
  start(372);
  EXPECT_FALSE(is_host_too_old());
  EXPECT_EQ(host_api.FSF, &host_standard_functions);
  EXPECT_NE(host_api.FSF, &host.standard_functions);
  EXPECT_EQ(host_standard_functions.FarNameToKey, host.standard_functions.FarNameToKey);
  EXPECT_EQ(host_api.ModuleNumber, 7);
  EXPECT_EQ(owned_views.size(), 2u);
  EXPECT_NE(dialog_instance, nullptr);
}

TEST_F(lifecycle, refuses_a_table_of_371_bytes_and_warns_at_every_opening) {
  two_panels();
  start(371);
  EXPECT_TRUE(is_host_too_old());
  EXPECT_TRUE(owned_views.empty());
  EXPECT_EQ(dialog_instance, nullptr);
  EXPECT_EQ(host.log.size(), 0u) << "nothing may be asked of a refused host at start-up";
  open();
  open();
  ASSERT_EQ(host.messages_shown.size(), 2u);
  const std::vector<std::string> warning = {host.texts[0], host.texts[1], host.texts[2]};
  EXPECT_EQ(host.messages_shown[0], warning);
  EXPECT_EQ(host.calls("Message"),
            (std::vector<std::string>{"Message flags 1 buttons 1", "Message flags 1 buttons 1"}));
  EXPECT_TRUE(host.calls("Control").empty());
  EXPECT_TRUE(host.dialogs.empty());
  far_host::PluginInfo info{};
  get_plugin_info(&info);
  EXPECT_STREQ(info.PluginMenuStrings[0], host.texts[4].c_str());
}

TEST_F(lifecycle, a_table_too_small_to_hold_getmsg_and_message_is_never_called_through) {
  // A table that ends right before GetMsg cannot be trusted beyond its end.
  start(offsetof(far_host::PluginStartupInfo, GetMsg));
  EXPECT_TRUE(is_host_too_old());
  EXPECT_EQ(open_plugin(0, 0), far_host::invalid_handle);
  EXPECT_TRUE(host.messages_shown.empty());
  far_host::PluginInfo info{};
  get_plugin_info(&info);
  EXPECT_STREQ(info.PluginMenuStrings[0], "");
  start(0);
  EXPECT_EQ(open_plugin(0, 0), far_host::invalid_handle);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(lifecycle, the_smallest_table_that_holds_both_operations_still_shows_the_warning) {
  const int size = offsetof(far_host::PluginStartupInfo, GetMsg) + sizeof(far_host::FARAPIGETMSG);
  start(size);
  open();
  EXPECT_EQ(host.messages_shown.size(), 1u);
  far_host::PluginStartupInfo info = host.startup_info(size);
  info.Message = nullptr;
  set_startup_info(&info);
  open();
  EXPECT_EQ(host.messages_shown.size(), 1u) << "a Message the table holds as null is not called";
}

// Whatever start-up could not make for want of memory, the first opening makes, and shows the
// list; or, short of memory ever since start-up and again anywhere in the first opening, the next.
TEST_F(lifecycle, the_first_opening_makes_what_start_up_could_not) {
  two_panels();
  for (const bool opening_short : {false, true}) {
    bool reached = true;
    for (long long refused = 1; reached; ++refused) {  // each allocation in turn
      failing_allocations::refused_number =
          failing_allocations::made + (opening_short ? 1 : refused);
      failing_allocations::keep_refusing = opening_short;
      start();
      failing_allocations::keep_refusing = false;
      if (opening_short) {
        while (node_spares.count > 0) ::operator delete(node_spares.blocks[--node_spares.count]);
        failing_allocations::refused_number = failing_allocations::made + refused;
        host.key(far_host::KEY_ESC);
        open_plugin(0, 0);  // the list may not show
      }
      reached = failing_allocations::made >= failing_allocations::refused_number;
      failing_allocations::refused_number = 0;
      host.feed.clear();
      host.log.clear();
      host.key(far_host::KEY_ESC);
      open();
      EXPECT_EQ(count_calls(host, "DialogEx"), 1) << refused;
      exit_far();
    }
  }
}

TEST_F(lifecycle, plugin_info_has_one_menu_entry_and_nothing_else) {
  two_panels();
  start();
  far_host::PluginInfo info{};
  std::memset(&info, 0xAB, sizeof info);
  far_host::PluginInfo untouched{};
  std::memset(&untouched, 0xAB, sizeof untouched);
  get_plugin_info(&info);
  EXPECT_EQ(info.StructSize, static_cast<int>(sizeof(far_host::PluginInfo)));  // 44 on the host
  ASSERT_EQ(info.PluginMenuStringsNumber, 1);
  EXPECT_STREQ(info.PluginMenuStrings[0], host.texts[4].c_str());
  EXPECT_EQ(info.Flags, untouched.Flags);
  EXPECT_EQ(info.DiskMenuStringsNumber, untouched.DiskMenuStringsNumber);
  EXPECT_EQ(info.PluginConfigStringsNumber, untouched.PluginConfigStringsNumber);
  EXPECT_EQ(info.CommandPrefix, untouched.CommandPrefix);
  host.texts[4] = "Renamed";
  get_plugin_info(&info);
  EXPECT_STREQ(info.PluginMenuStrings[0], "Renamed");
}

TEST_F(lifecycle, opening_always_answers_invalid_handle_value) {
  two_panels();
  start();
  host.key(far_host::KEY_ENTER);
  EXPECT_EQ(open_plugin(1, 2), far_host::invalid_handle);
  host.key(far_host::KEY_ESC);
  EXPECT_EQ(open_plugin(0, 0), far_host::invalid_handle);
  EXPECT_EQ(host.dialogs.size(), 2u);
  EXPECT_FALSE(host.ran_dry);
}

// The key-macro table goes too: its nodes must not outlive the spare nodes, another file's.
TEST_F(lifecycle, exit_frees_the_dialog_the_slots_the_views_and_the_key_macros) {
  two_panels();
  start();
  host.key(far_host::KEY_ESC);
  open();
  ASSERT_FALSE(key_macro_table.empty());
  exit_far();
  started = false;
  EXPECT_TRUE(key_macro_table.empty());
  EXPECT_EQ(dialog_instance, nullptr);
  EXPECT_TRUE(owned_views.empty());
  EXPECT_TRUE(view_order.empty());
  EXPECT_TRUE(panel_slots.empty());
  EXPECT_TRUE(view_numbers.empty());
}

// A busy host may fail a panel query and leave its own bytes in the record: such a record counts
// as empty at start-up; at an opening a failed refresh or focus test changes nothing; apply skips
// the selection; and the next opening is as usual.
TEST_F(lifecycle, a_failed_panel_query_never_reads_what_the_host_left_nor_changes_a_view) {
  two_panels();
  host.panels[0].select("b.txt");
  host.fail_panel_query = [](int) { return true; };
  start();
  for (const auto& each : owned_views) {
    EXPECT_STREQ(each->path(), "");
    EXPECT_EQ(saved(each.get()).count(), 0);
  }
  host.fail_panel_query = nullptr;
  host.key(far_host::KEY_ESC);
  open();
  EXPECT_EQ(lines(), (std::vector<std::string>{"1. Files < C:\\Left  ", "2. Files > C:\\Right "}));
  EXPECT_EQ(saved(view_order.front()).count(), 1);

  // An opening asks who has focus (queries 1 and 2), asks again (3, 4) and refreshes the focused
  // panel's view (5), then asks again (6, 7) and refreshes the other panel's view (8).
  for (const std::vector<int>& failing : {std::vector<int>{2}, {1, 2}, {3}, {5}, {6}, {8}}) {
    host.log.clear();
    const int first = host.panel_queries;
    host.fail_panel_query = [first, failing](int number) {
      return std::find(failing.begin(), failing.end(), number - first) != failing.end();
    };
    host.key(far_host::KEY_ESC);
    open();
    EXPECT_EQ(host.calls("Control GETANOTHERPANELINFO failed").size() +
                  host.calls("Control GETPANELINFO failed").size(),
              failing.size());
    EXPECT_EQ(lines(), (std::vector<std::string>{"1. Files < C:\\Left  ", "2. Files > C:\\Right "}))
        << failing.front();
    EXPECT_EQ(active_slot, &panel_slots.front());
  }
  host.fail_panel_query = nullptr;
  host.key(far_host::KEY_ESC);
  open();
  EXPECT_EQ(lines(), (std::vector<std::string>{"1. Files < C:\\Left  ", "2. Files > C:\\Right "}));

  // The fresh record of a failed query has no items to select: the selection step is skipped.
  host.change_dir(host.active_panel(), "C:\\Right");
  host.fail_panel_query = [](int) { return true; };
  host.log.clear();
  view_order.front()->apply();
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"Control SETPANELDIR C:\\Left", "Control SETVIEWMODE 2",
                                      "Control SETSORTMODE 1", "Control SETSORTORDER 0",
                                      "Control GETPANELINFO failed", "Control REDRAWPANEL 0 0",
                                      "Control SETSORTORDER 0"}));
  EXPECT_EQ(host.active_panel().dir, "C:\\Left");
}
