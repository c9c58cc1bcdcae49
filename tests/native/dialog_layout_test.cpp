#include "dialog/view_list_dialog.h"
#include "host/message_ids.h"
#include "native/plugin_fixture.h"

using namespace far_tolvane;
using far_host::FarDialogItem;

namespace {

class dialog_layout : public plugin_test {
 protected:
  // Opens the list and closes it at once, keeping what the host was given.
  void open_and_close() {
    host.key(far_host::KEY_ESC);
    open();
  }
};

}  // namespace

TEST_F(dialog_layout, lines_show_number_mark_kind_marker_and_location) {
  start_with_views(1);
  win.files.erase("C:\\V1");
  (*std::prev(view_order.end()))->check_exists();
  open_and_close();
  EXPECT_EQ(lines(), (std::vector<std::string>{"2. Files < C:\\Left  ", "1. Files > C:\\Right ",
                                               "3- Files   C:\\V1    "}));
  EXPECT_EQ(list().list().lines[0].Flags, 0u);
  EXPECT_EQ(list().list().lines[1].Flags, far_host::LIF_DISABLE);
  EXPECT_EQ(list().list().lines[2].Flags, 0u);
  EXPECT_EQ(list().help_topic, "Panel_list");
  EXPECT_EQ(list().flags, 0u);
}

TEST_F(dialog_layout, the_tenth_and_the_hundredth_view_widen_the_number_column_of_every_line) {
  start_with_views(0);
  for (const std::string first : {"2. ", " 2. "}) {  // with 9 views, then with 99
    while (view_order.size() < (first.size() == 3 ? 9u : 99u))
      add_view("C:\\V" + std::to_string(view_order.size() - 1));
    open_and_close();
    EXPECT_EQ(lines()[0].substr(0, first.size()), first);
    const int narrower = list().x2;
    add_view("C:\\V" + std::to_string(view_order.size() - 1));
    open_and_close();
    EXPECT_EQ(lines()[0].substr(0, first.size() + 1), " " + first);
    EXPECT_EQ(lines().back().substr(0, first.size() + 1), std::to_string(view_order.size()) + ". ");
    EXPECT_EQ(list().x2, narrower + 1);
  }
}

TEST_F(dialog_layout, the_right_panel_focused_marks_its_own_view_right) {
  two_panels(1);
  start();
  open_and_close();
  EXPECT_EQ(lines(), (std::vector<std::string>{"2. Files > C:\\Right ", "1. Files < C:\\Left  "}));
  EXPECT_EQ(list().list().lines[1].Flags, far_host::LIF_DISABLE);
}

TEST_F(dialog_layout, items_frame_the_list_inside_margins_in_both_modes) {
  two_panels();
  start();
  host.then([&] {
    const auto& items = list().items;
    EXPECT_EQ(list().width, 30);
    EXPECT_EQ(list().height, 6);
    EXPECT_EQ(items[0].Type, far_host::DI_DOUBLEBOX);
    EXPECT_EQ(items[0].Flags, 0u);
    EXPECT_EQ(items[1].Type, far_host::DI_SINGLEBOX);
    EXPECT_EQ(items[1].Flags, far_host::DIF_HIDDEN);
    for (const auto* frame : {&items[0], &items[1]}) {
      EXPECT_EQ((std::vector<int>{frame->X1, frame->Y1, frame->X2, frame->Y2}),
                (std::vector<int>{2, 1, 27, 4}));
      EXPECT_STREQ(frame->Data, "Panel views");
    }
    EXPECT_EQ(items[2].Type, far_host::DI_LISTBOX);
    EXPECT_EQ((std::vector<int>{items[2].X1, items[2].Y1, items[2].X2, items[2].Y2}),
              (std::vector<int>{3, 2, 26, 3}));
    EXPECT_EQ(items[2].Flags, 0x40040000u);
    EXPECT_EQ(items[2].Focus, 0);
  });
  host.key(far_host::KEY_CTRL | 'Q');
  host.then([&] {
    const auto& items = list().items;
    EXPECT_EQ(list().width, 26);
    EXPECT_EQ(list().height, 4);
    EXPECT_EQ((std::vector<int>{items[0].X1, items[0].Y1, items[0].X2, items[0].Y2}),
              (std::vector<int>{0, 0, 25, 3}));
    EXPECT_EQ((std::vector<int>{items[2].X1, items[2].Y1, items[2].X2, items[2].Y2}),
              (std::vector<int>{1, 1, 24, 2}));
  });
  host.key(far_host::KEY_ESC);
  open();
  EXPECT_EQ(host.log.front(), "Control GETPANELINFO");
  EXPECT_EQ(host.calls("DialogEx"), (std::vector<std::string>{"DialogEx -1 -1 30 6"}));
}

TEST_F(dialog_layout, a_long_title_sets_the_width_in_both_modes) {
  two_panels();
  start();
  host.texts[5] = std::string(40, 'T');
  host.then([&] { EXPECT_EQ(list().width, 50); });
  host.key(far_host::KEY_CTRL | 'Q');
  host.then([&] { EXPECT_EQ(list().width, 46); });
  host.key(far_host::KEY_ESC);
  open();
  // A title longer than the item's text field is cut to it, and ended.
  host.texts[5] = std::string(600, 'T');
  host.key(far_host::KEY_ESC);
  open();
  EXPECT_EQ(strnlen(list().items[0].Data, sizeof list().items[0].Data), 511u);
}

TEST_F(dialog_layout, the_console_clamps_width_and_height_and_the_location_shrinks) {
  start_with_views(40);
  add_view("C:\\" + std::string(100, 'd'));
  win.console_cols = 80;
  win.console_rows = 25;
  host.then([&] {
    EXPECT_EQ(list().width, 76);
    EXPECT_EQ(list().height, 19);
  });
  host.key(far_host::KEY_CTRL | 'Q');
  host.then([&] {
    EXPECT_EQ(list().width, 72);
    EXPECT_EQ(list().height, 17);
  });
  host.key(far_host::KEY_ESC);
  open();
  const auto texts = lines();
  // The list item is 72 - 2 - 1 wide: the line is three columns shorter.
  EXPECT_EQ(texts.back().size(), 66u);
  EXPECT_EQ(texts.back().substr(0, 14), "43. Files   C:");
}

TEST_F(dialog_layout, a_line_never_exceeds_the_127_characters_of_a_list_text) {
  start_with_views(0);
  add_view("C:\\" + std::string(200, 'w'));
  win.console_cols = 300;
  open_and_close();
  for (const auto& line : lines()) EXPECT_LE(line.size(), 127u);
  EXPECT_EQ(lines().back().size(), 127u);
}

// A translation's kind name longer than a list text: each line is cut at the text's end, and
// the other panel's line stays disabled.
TEST_F(dialog_layout, an_overlong_kind_name_is_cut_with_the_line) {
  host.texts[far_host::MKindFile] = std::string(200, 'k');
  start_with_views(0);
  open_and_close();
  for (const auto& line : lines()) EXPECT_EQ(line.size(), 127u);
  EXPECT_EQ(list().list().lines[1].Flags, far_host::LIF_DISABLE);
  // An empty one takes no column.
  host.texts[far_host::MKindFile] = "";
  open_and_close();
  EXPECT_EQ(lines().at(0), "2.  < C:\\Left  ");
}

// Past 141 columns the list item is wider than a list text: the location, not the line's end,
// gives way, shortened at its front as on a narrow console, and the dialog keeps its width.
TEST_F(dialog_layout, on_a_wide_console_a_long_location_keeps_its_deepest_folders) {
  start_with_views(0);
  const std::string deep = "C:\\" + std::string(168, 'r') + "\\middle\\deepest-folder-of-all";
  ASSERT_EQ(deep.size(), 200u);
  add_view(deep);
  win.console_cols = 250;
  open_and_close();
  EXPECT_EQ(list().width, 222) << "the content's width, as before";
  const std::string line = lines().back();
  EXPECT_EQ(line.size(), 127u);
  EXPECT_EQ(line.substr(0, 15), "3. Files   C:\\.");
  EXPECT_EQ(line.substr(line.size() - 30), "\\middle\\deepest-folder-of-all ");
  for (const auto& each : lines()) EXPECT_EQ(each.back(), ' ') << each;
}

TEST_F(dialog_layout, a_console_too_narrow_for_the_location_leaves_it_empty) {
  two_panels();
  start();
  win.console_cols = 20;
  open_and_close();
  // 16 columns: the list item is 9 wide, one column short of the fixed columns.
  EXPECT_EQ(lines(), (std::vector<std::string>{"2. Files <  ", "1. Files >  "}));
  win.console_cols = 27;  // seven more leave it one column
  open_and_close();
  EXPECT_EQ(lines(), (std::vector<std::string>{"2. Files < C ", "1. Files > C "}));
}

TEST_F(dialog_layout, without_a_console_size_the_dialog_keeps_its_content_size) {
  start_with_views(60);
  win.console_ok = false;
  open_and_close();
  EXPECT_EQ(list().y2, 66);
  EXPECT_EQ(list().x2, 31);
}

TEST_F(dialog_layout, the_top_line_keeps_the_cursor_near_the_middle_of_the_window) {
  two_panels();
  start();
  view_list& state = dialog_instance->list;
  dialog_item& box = dialog_instance->items[2];
  box.y1 = 2;
  state.line_count = 30;
  // In a window of 9 rows line 25 is the first whose window ends with the list.
  const struct {
    int rows, select, top;
  } expected[] = {{10, 3, 0},   {10, 5, 1},  {10, 12, 8}, {10, 23, 19}, {10, 24, 20},
                  {10, 29, 20}, {9, 25, 21}, {2, 5, 5},   {1, 5, 5}};
  for (const auto& each : expected) {
    box.y2 = box.y1 + each.rows - 1;
    list_pos pos{each.select, -7};
    state.list_window_top(pos);
    EXPECT_EQ(pos.top, each.top) << each.rows << " rows, line " << each.select;
  }
  box.y2 = 11;
  state.line_count = 8;
  for (int select = 0; select < 8; ++select) {
    list_pos pos{select, 5};
    state.list_window_top(pos);
    EXPECT_EQ(pos.top, 0);
  }
}

TEST_F(dialog_layout, opening_puts_the_cursor_on_the_focused_panels_view) {
  start_with_views(30);
  host.active = 1;  // the right panel's view comes forward; the cursor follows it
  open_and_close();
  EXPECT_EQ(host.calls("DM_LISTSETMOUSEREACTION"),
            (std::vector<std::string>{"DM_LISTSETMOUSEREACTION 2 0"}));
  EXPECT_EQ(host.calls("DM_LISTSETCURPOS").front(), "DM_LISTSETCURPOS 2 0 0");
  EXPECT_EQ(host.calls("DM_MOVEDIALOG").front(), "DM_MOVEDIALOG 1 -1 -1");
}

TEST_F(dialog_layout, the_cursor_starts_on_the_focused_view_wherever_it_stands) {
  start_with_views(30);
  view_order.push_back(view_order.front());  // the focused panel's view to the bottom
  view_order.pop_front();
  fixed_order = true;
  open_and_close();
  // 34 rows, 30 of them list rows: the window ends with the list.
  EXPECT_EQ(host.calls("DM_LISTSETCURPOS").front(), "DM_LISTSETCURPOS 2 31 2");
  host.log.clear();
  win.console_rows = 20;
  open_and_close();
  EXPECT_EQ(host.calls("DM_LISTSETCURPOS").front(), "DM_LISTSETCURPOS 2 31 22");
}

TEST_F(dialog_layout, a_one_by_one_console_keeps_sizes_coordinates_and_the_top_line_in_the_list) {
  start_with_views(5);
  win.console_cols = 1;
  win.console_rows = 1;
  // The frame keeps one column and one row of list inside, whose window shows the cursor line.
  auto check = [&](short width, short height) {
    host.then([&, width, height] {
      EXPECT_EQ(list().width, width);
      EXPECT_EQ(list().height, height);
      for (const auto& item : list().items)
        EXPECT_TRUE(item.X1 >= 0 && item.Y1 >= 0 && item.X2 >= item.X1 && item.Y2 >= item.Y1);
      EXPECT_EQ(list().items[2].Y2, list().items[2].Y1);
      const far_host::FarListPos pos = list().list().pos;
      EXPECT_EQ(pos.TopPos, pos.SelectPos);
      EXPECT_LT(pos.TopPos, static_cast<int>(list().list().lines.size()));
    });
  };
  check(7, 5);
  for (far_host::key_code key : {far_host::KEY_DOWN, far_host::KEY_PGDN, far_host::KEY_END,
                                 far_host::KEY_UP, far_host::KEY_PGUP}) {
    host.key(key);
    check(7, 5);
  }
  host.key(far_host::KEY_CTRL | 'Q');
  check(3, 3);
  host.key(far_host::KEY_DOWN);
  check(3, 3);
  host.key(far_host::KEY_ESC);
  open();
  EXPECT_FALSE(host.ran_dry);
}
