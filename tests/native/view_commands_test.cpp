// Refresh, new view, clone and delete in the open list.
#include <cstring>

#include "dialog/view_list_dialog.h"
#include "host_model/record_view.h"
#include "native/failing_allocations.h"
#include "native/plugin_fixture.h"
#include "views/file_panel_view.h"

using namespace far_tolvane;
using namespace far_host;

using view_commands = plugin_test;

TEST_F(view_commands, deleting_the_focused_view_hands_its_panel_the_next_selectable_one) {
  start_with_views(1);  // [2 Left, 1 Right (disabled), 3 V1]
  host.key(KEY_DEL);
  host.then([&] {
    EXPECT_EQ(order_numbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(list().list().pos.SelectPos, 1);
    EXPECT_EQ(host.active_panel().dir, "C:\\V1");
    EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\V1") << "the panel keeps its new view";
  EXPECT_EQ(owned_views.size(), 2u);
}

TEST_F(view_commands, deleting_the_last_line_moves_up_past_the_disabled_one) {
  start_with_views(2);
  view_order.insert(std::prev(view_order.end()), *std::next(view_order.begin()));
  view_order.erase(std::next(view_order.begin()));  // [2 Left, 3 V1, 1 Right, 4 V2]
  host.key(KEY_END);
  host.then([&] { EXPECT_EQ(list().list().pos.SelectPos, 3); });
  host.key(KEY_CTRL | KEY_F4);
  host.then([&] {
    EXPECT_EQ(order_numbers(), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(list().list().pos.SelectPos, 1);
    EXPECT_EQ(host.active_panel().dir, "C:\\V1");
    EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left") << "a stored view was deleted";
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\Left");
}

TEST_F(view_commands, two_views_are_never_deleted) {
  two_panels();
  start();
  host.keys({KEY_DEL, KEY_CTRL | KEY_DEL, KEY_CTRL | KEY_F4, KEY_ESC});
  open();
  EXPECT_EQ(owned_views.size(), 2u);
  EXPECT_EQ(count_calls(host, "DM_LISTGETCURPOS"), 0);
}

TEST_F(view_commands, a_new_view_takes_the_smallest_free_number_and_the_cursor_line) {
  start_with_views(2);                             // numbers 1 to 4
  delete_view_at(std::prev(view_order.end(), 2));  // frees 3
  host.keys({KEY_DOWN, KEY_CTRL | KEY_SHIFT | KEY_F4});
  host.then([&] {
    EXPECT_EQ(order_numbers(), (std::vector<int>{2, 1, 3, 4}));
    EXPECT_EQ(list().list().pos.SelectPos, 2);
    EXPECT_EQ(host.active_panel().dir, "C:\\");
    EXPECT_EQ(lines()[2].substr(0, 11), "3. Files   ");
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("Control SETPANELDIR"),
            (std::vector<std::string>{"Control SETPANELDIR C:\\V2", "Control SETPANELDIR C:\\",
                                      "Control SETPANELDIR C:\\", "Control SETPANELDIR C:\\Left"}))
      << "the preview, the move to C:\\ and the new view's apply, the restore";
}

TEST_F(view_commands, without_room_for_its_line_a_new_view_or_a_clone_changes_nothing) {
  start_with_views(1);
  for (const key_code key : {KEY_CTRL | KEY_SHIFT | KEY_F4, KEY_CTRL | KEY_F3}) {
    host.then([] { failing_allocations::refused_number = failing_allocations::made + 1; });
    host.key(key);
    host.then([] { failing_allocations::refused_number = 0; });
  }
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(owned_views.size(), 3u);
  EXPECT_EQ(count_calls(host, "Control SETPANELDIR"), 0) << "not even a put-back";
}

TEST_F(view_commands, the_tenth_view_widens_the_number_column_and_the_dialog) {
  start_with_views(7);
  int width_before = 0;
  host.then([&] { width_before = list().width; });
  host.key(KEY_CTRL | KEY_SHIFT | KEY_F4);
  host.then([&] {
    EXPECT_EQ(list().width, width_before + 1);
    EXPECT_EQ(lines()[0].substr(0, 4), "10. ");
    EXPECT_EQ(lines()[1].substr(0, 4), " 2. ");
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("DM_SETDLGITEM"),
            (std::vector<std::string>{"DM_SETDLGITEM 0", "DM_SETDLGITEM 1", "DM_SETDLGITEM 2"}));
  EXPECT_EQ(host.calls("DM_RESIZEDIALOG").size(), 1u);
  EXPECT_EQ(host.calls("DM_MOVEDIALOG"),
            (std::vector<std::string>{"DM_MOVEDIALOG 1 -1 -1", "DM_MOVEDIALOG 1 -1 -1"}))
      << "centred at the start and after the change";
}

TEST_F(view_commands, a_clone_stands_above_its_source_with_the_same_location) {
  start_with_views(1);
  host.keys({KEY_DOWN, KEY_CTRL | KEY_F3});
  host.then([&] {
    EXPECT_EQ(order_numbers(), (std::vector<int>{2, 1, 4, 3}));
    EXPECT_EQ(lines()[2].substr(1), lines()[3].substr(1));
    EXPECT_EQ(list().list().pos.SelectPos, 2);
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("Control SETPANELDIR"),
            (std::vector<std::string>{"Control SETPANELDIR C:\\V1", "Control SETPANELDIR C:\\V1",
                                      "Control SETPANELDIR C:\\Left"}))
      << "applied again even though the copy's state is the one shown";
}

TEST_F(view_commands, refresh_marks_a_removed_directory_and_sends_the_panel_to_c_root) {
  start_with_views(1);
  host.key(KEY_DOWN);
  host.then([&] { win.files.erase("C:\\V1"); });
  host.key(KEY_CTRL | 'R');
  host.then([&] {
    EXPECT_EQ(lines()[2].substr(0, 2), "3-");
    EXPECT_EQ(host.active_panel().dir, "C:\\");
    EXPECT_EQ(list().list().pos.SelectPos, 2);
  });
  host.key(KEY_ESC);
  open();
}

// Folders that exist but that the host will not enter (no access, a share gone): no saved view
// may take another folder's state for it, and the panel's slot names the view it is in.
class refused_folders : public plugin_test {
 protected:
  void refuse(const std::string& refused) {
    host.list_dir = [this, refused](const std::string& dir) {
      return dir == refused ? std::nullopt : win.list_dir(dir);
    };
  }
  std::vector<std::string> paths() {
    std::vector<std::string> all;
    for (const auto* each : view_order) all.emplace_back(each->path());
    return all;
  }
};

TEST_F(refused_folders, a_commit_onto_a_refused_view_keeps_the_panel_in_its_own) {
  start_with_views(2);  // [2 Left, 1 Right (disabled), 3 V1, 4 V2]
  refuse("C:\\V1");
  host.keys({KEY_DOWN, KEY_ENTER});
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\Left");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left");
  // Quick switch commits the same way; past a view entered the panel stays in that one.
  host.keys({KEY_CTRL | 'Q', KEY_DOWN, KEY_DOWN});
  host.idle();
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\V2");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V2");
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\V2", "C:\\Left", "C:\\Right", "C:\\V1"}));
}

TEST_F(refused_folders, esc_that_cannot_go_back_leaves_the_slot_on_the_view_the_panel_is_in) {
  start_with_views(1);
  host.key(KEY_DOWN);
  host.then([&] { refuse("C:\\Left"); });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\V1");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\Left", "C:\\Right", "C:\\V1"}));
}

// Deleting the panel's view when the host refuses the next one leaves the panel in no view's
// state: the next opening keeps the slot's view rather than fill it from the panel.
TEST_F(refused_folders, a_panel_in_no_views_state_is_not_taken_into_its_slots_view) {
  start_with_views(2);
  refuse("C:\\V1");
  host.keys({KEY_DEL, KEY_ESC});
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\Left");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  host.change_dir(host.active_panel(), "C:\\Right");
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\Right", "C:\\V1", "C:\\V2"}));
  // Enter on the refused view, with the panel in no view's state, switches nothing.
  host.keys({KEY_ENTER});
  open();
  EXPECT_EQ(host.active_panel().dir, "C:\\Right");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\V1", "C:\\Right", "C:\\V2"}));
  // Once a view is entered again, the slot follows its panel as before.
  refuse("");
  host.keys({KEY_ENTER});
  open();
  host.change_dir(host.active_panel(), "C:\\V2");
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\V2", "C:\\Right", "C:\\V2"}));
}

// The API 1.70 host hears of the refusal only after the view's modes went to the panel: they go
// back to the panel's own.
TEST_F(refused_folders, a_refused_view_leaves_the_panel_its_own_modes) {
  two_panels();
  host.passive_panel().view_mode = 4;  // the other panel's are not the ones put back
  host.passive_panel().sort_mode = 3;
  start();
  make_dir("C:\\V1");
  PanelInfo info{};
  std::strncpy(info.CurDir, "C:\\V1", sizeof info.CurDir - 1);
  info.ViewMode = 5;
  info.SortMode = 7;
  info.Flags = PFLAGS_REVERSESORTORDER;
  owned_views.push_back(host_model::view_of_record(info));
  view_order.push_back(owned_views.back().get());
  refuse("C:\\V1");
  const host_core::panel& own = host.active_panel();
  const int view_mode = own.view_mode, sort_mode = own.sort_mode;
  auto expect_own_modes = [&](const char* when) {
    EXPECT_EQ(own.dir, "C:\\Left") << when;
    EXPECT_EQ(own.view_mode, view_mode) << when;
    EXPECT_EQ(own.sort_mode, sort_mode) << when;
    EXPECT_FALSE(own.reversed) << when;
  };
  host.key(KEY_DOWN);
  host.then([&] { expect_own_modes("previewing the refused view"); });
  host.key(KEY_ENTER);
  open();
  expect_own_modes("after Enter");
  host.key(KEY_ESC);
  open();
  const auto& kept = dynamic_cast<const file_panel_view&>(*active_slot->shown()).saved_panel();
  EXPECT_EQ(kept.panel.view_mode, view_mode) << "the panel's own view, refreshed at the opening";
  EXPECT_FALSE(kept.panel.reversed);
}
