// The host core where the plugin's tests would not see a fault: list keys, redraw nesting, and
// the panel's orders on a folder as a real one comes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_model/host_model.h"

using namespace far_host;

namespace {

LONG_PARAM FARAPI leave_keys_to_host(HANDLE, int msg, int, LONG_PARAM) { return msg == DN_CLOSE; }

// A dialog with one list of 20 lines, 10 rows high, framed or not; returns its cursor after
// the keys.
int cursor_after(std::initializer_list<key_code> keys, DWORD list_flags) {
  host_model::model host;
  std::vector<FarListItem> lines(20);
  FarList list{20, lines.data()};
  FarDialogItem item{};
  item.Type = DI_LISTBOX;
  item.X2 = 30;
  item.Y2 = 9;
  item.Flags = list_flags;
  item.ListItems = &list;
  host.keys(keys);
  int cursor = -1;
  host.then([&] { cursor = host.last_dialog()->list().pos.SelectPos; });
  host.dialog_ex(-1, -1, 34, 12, nullptr, &item, 1, 0, leave_keys_to_host, 0);
  return cursor;
}

}  // namespace

TEST(host_core, a_page_of_a_list_is_the_rows_it_shows) {
  EXPECT_EQ(cursor_after({KEY_PGDN}, 0), 8) << "a frame takes two of the ten rows";
  EXPECT_EQ(cursor_after({KEY_PGDN}, DIF_LISTNOBOX), 10);
  EXPECT_EQ(cursor_after({KEY_END, KEY_PGUP}, 0), 11);
}

TEST(host_core, redraw_suspensions_nest_and_positions_are_clamped) {
  host_model::model host;
  FarDialogItem item{};
  item.Type = DI_LISTBOX;
  item.Y2 = 4;
  host.then([&] {
    HANDLE shown = host.last_dialog();
    EXPECT_EQ(host.send_dlg_message(shown, DM_ENABLEREDRAW, 0, 0), 1);
    EXPECT_EQ(host.send_dlg_message(shown, DM_ENABLEREDRAW, 0, 0), 0);
    host.send_dlg_message(shown, DM_ENABLEREDRAW, 1, 0);
    EXPECT_TRUE(host.last_dialog()->redraw_held());
    host.send_dlg_message(shown, DM_ENABLEREDRAW, 1, 0);
    EXPECT_FALSE(host.last_dialog()->redraw_held());
    std::vector<FarListItem> lines(3);
    FarList list{3, lines.data()};
    host.send_dlg_message(shown, DM_LISTSET, 0, reinterpret_cast<LONG_PARAM>(&list));
    FarListPos pos{7, 5};
    EXPECT_EQ(host.send_dlg_message(shown, DM_LISTSETCURPOS, 0, reinterpret_cast<LONG_PARAM>(&pos)),
              2);
    EXPECT_EQ(host.last_dialog()->list().pos.TopPos, 0);
  });
  host.dialog_ex(-1, -1, 20, 8, nullptr, &item, 1, 0, leave_keys_to_host, 0);
}

TEST(host_core, a_panel_sorts_as_the_host_and_keeps_cursor_and_selection_on_rereading) {
  host_model::model host;
  std::vector<std::string> names = {"b.TXT", "..", "Zeta", "a.doc", "C.txt", "sub"};
  host.read_dir = [&](const std::string&, std::vector<PluginPanelItem>& items) {
    items.clear();
    for (const auto& name : names)
      items.push_back(host_model::make_item(name, name == "sub" || name == ".." ? 0x10 : 0));
    return true;
  };
  host_model::panel& shown = host.panels[0];
  shown.set_sort(host_core::SM_NAME, false);
  ASSERT_TRUE(host.change_dir(shown, "C:\\Dir"));
  auto order = [&] {
    std::vector<std::string> got;
    for (const auto& item : shown.files.items) got.emplace_back(item.FindData.cFileName);
    return got;
  };
  EXPECT_EQ(order(), (std::vector<std::string>{"..", "sub", "a.doc", "b.TXT", "C.txt", "Zeta"}));
  int mode = host_core::SM_EXT, reversed = 1;
  host.control(invalid_handle, FCTL_SETSORTMODE, &mode);
  host.control(invalid_handle, FCTL_SETSORTORDER, &reversed);
  EXPECT_EQ(order(), (std::vector<std::string>{"..", "sub", "C.txt", "b.TXT", "a.doc", "Zeta"}));

  shown.select("C.txt");
  shown.move_cursor(3);
  names.insert(names.begin(), "new.txt");
  host.reread(shown);
  EXPECT_EQ(shown.selected_names(), std::vector<std::string>{"C.txt"});
  EXPECT_STREQ(shown.files.current_item()->FindData.cFileName, "b.TXT");
}
