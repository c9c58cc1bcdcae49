// Cursor walks, reorders and renumbering in the open list.
#include "dialog/view_list_dialog.h"
#include "native/plugin_fixture.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

class list_commands : public plugin_test {
 protected:
  // Where the host's list cursor and window stood after the last key.
  std::string last_pos() { return host.calls("DM_LISTSETCURPOS").back(); }
  void expect_positions(std::initializer_list<key_code> keys,
                        const std::vector<std::string>& expected) {
    std::vector<std::string> seen;
    for (key_code key : keys) {
      host.key(key);
      host.then([&] { seen.push_back(last_pos().substr(19)); });
    }
    host.key(KEY_ESC);
    open();
    EXPECT_EQ(seen, expected);
  }
};

}  // namespace

TEST_F(list_commands, single_steps_skip_the_other_panels_view_and_wrap) {
  start_with_views(2);  // [2 Left, 1 Right (disabled), 3 V1, 4 V2]
  expect_positions({KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_UP, KEY_MSWHEEL_UP, KEY_MSWHEEL_DOWN,
                    KEY_CTRL | KEY_SHIFT | KEY_TILDE, KEY_CTRL | KEY_TILDE},
                   {"2 0", "3 0", "0 0", "3 0", "2 0", "3 0", "2 0", "3 0"});
}

TEST_F(list_commands, home_and_end_skip_a_disabled_end_entry) {
  start_with_views(2);
  view_order.push_front(*std::next(view_order.begin()));  // the other panel's view on top
  view_order.erase(std::next(view_order.begin(), 2));
  expect_positions({KEY_HOME, KEY_END}, {"1 0", "3 0"});
  view_order.push_back(view_order.front());  // and now at the bottom
  view_order.pop_front();
  expect_positions({KEY_END, KEY_HOME}, {"2 0", "0 0"});
}

TEST_F(list_commands, pages_stop_at_the_ends_and_keep_the_window_on_the_cursor) {
  start_with_views(28);   // 30 lines, the other panel's view on line 1
  win.console_rows = 20;  // 14 rows: a list of 10
  expect_positions(
      {KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_PGDN, KEY_PGDN, KEY_PGDN, KEY_PGUP,
       KEY_PGUP, KEY_PGUP, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN,
       KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_PGUP, KEY_PGUP},
      {"2 0", "3 0", "4 0", "5 1", "15 11", "25 20", "29 20", "19 15", "9 5",  "0 0", "2 0",
       "3 0", "4 0", "5 1", "6 2", "7 3",   "8 4",   "9 5",   "10 6",  "11 7", "2 0", "0 0"});
}

TEST_F(list_commands, a_page_landing_on_the_disabled_entry_runs_back_toward_its_start) {
  start_with_views(5);  // 7 lines fit: a page reaches the ends
  view_order.push_front(*std::next(view_order.begin()));
  view_order.erase(std::next(view_order.begin(), 2));
  expect_positions({KEY_PGUP, KEY_PGDN}, {"1 0", "6 0"});
  view_order.push_back(view_order.front());
  view_order.pop_front();
  expect_positions({KEY_PGDN, KEY_PGUP}, {"5 0", "0 0"});
}

TEST_F(list_commands, a_walk_applies_at_most_one_view) {
  two_panels();
  start();
  host.keys({KEY_DOWN, KEY_UP, KEY_HOME, KEY_END, KEY_PGDN, KEY_ESC});
  open();
  EXPECT_EQ(count_calls(host, "Control SETPANELDIR"), 0) << "every walk ends on the own view";
  host.log.clear();
  add_view("C:\\V1");
  host.keys({KEY_PGDN, KEY_ESC});
  open();
  EXPECT_EQ(
      host.calls("Control SETPANELDIR"),
      (std::vector<std::string>{"Control SETPANELDIR C:\\V1", "Control SETPANELDIR C:\\Left"}));
}

TEST_F(list_commands, the_walk_retests_the_directory_it_reaches) {
  start_with_views(1);
  win.files.erase("C:\\V1");
  host.key(KEY_DOWN);
  host.then([&] { EXPECT_EQ(lines()[2].substr(0, 2), "3-"); });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("Control SETPANELDIR").front(), "Control SETPANELDIR C:\\");
}

TEST_F(list_commands, reorders_move_the_view_under_the_cursor_and_wrap_at_the_ends) {
  start_with_views(2);            // [2, 1, 3, 4]
  std::vector<std::string> seen;  // the order, then the cursor line and the top line
  for (key_code key :
       {KEY_CTRL | KEY_UP, KEY_CTRL | KEY_DOWN, KEY_CTRL | KEY_DOWN, KEY_CTRL | KEY_UP,
        KEY_CTRL | KEY_END, KEY_CTRL | KEY_HOME, KEY_CTRL | KEY_HOME}) {
    host.key(key);
    host.then([&] {
      std::string order;
      for (int number : order_numbers()) order += std::to_string(number);
      seen.push_back(order + " " + last_pos().substr(19));
    });
  }
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(seen, (std::vector<std::string>{"1342 3 0", "2134 0 0", "1234 1 0", "2134 0 0",
                                            "1342 3 0", "2134 0 0", "2134 0 0"}));
  EXPECT_EQ(count_calls(host, "Control SETPANELDIR"), 0);
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left");
}

TEST_F(list_commands, renumbering_counts_from_the_bottom_and_keeps_the_cursor_line) {
  start_with_views(1);
  host.keys({KEY_DOWN, KEY_CTRL | KEY_SHIFT | KEY_F5});
  host.then([&] {
    EXPECT_EQ(order_numbers(), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(lines()[0].substr(0, 2), "3.");
    EXPECT_EQ(list().list().pos.SelectPos, 2);
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(count_calls(host, "Control SETPANELDIR"), 2) << "the preview and the restore only";
}
