// The model's FAR 3 facts that the binding's tests lean on: were one of these wrong, a binding
// fault it hides would pass them.
#include <cstring>
#include <cwchar>
#include <tuple>

#include "host_core/far3_keys.h"
#include "host_core/unicode.h"
#include "native3/far3_fixture.h"

namespace {

using namespace far3_host;

class far3_host_model : public far3_test {
 protected:
  far3_host_model() {
    far3.plugin_guid = GUID{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    table = far3.startup_info("C:\\Far\\Plugins\\Probe\\probe.dll");
  }
  std::intptr_t control(HANDLE panel, int command, std::intptr_t param1 = 0,
                        void* param2 = nullptr) {
    return table.PanelControl(panel, command, param1, param2);
  }
  PanelInfo info(HANDLE panel = panel_active) {
    PanelInfo record{};
    record.StructSize = sizeof record;
    EXPECT_EQ(control(panel, FCTL_GETPANELINFO, 0, &record), 1);
    return record;
  }
  // An item by the two calls, into an aligned block.
  std::vector<std::uint64_t> item(int command, std::intptr_t index, std::size_t* size = nullptr) {
    const auto needed = static_cast<std::size_t>(control(panel_active, command, index));
    if (size) *size = needed;
    if (!needed) return {};
    // Returned as made: the record points into its own block.
    std::vector<std::uint64_t> block(needed / 8 + 1);
    FarGetPluginPanelItem request{sizeof request, block.size() * 8,
                                  reinterpret_cast<PluginPanelItem*>(block.data())};
    EXPECT_EQ(control(panel_active, command, index, &request), needed);
    return block;
  }
  static const PluginPanelItem& as_item(const std::vector<std::uint64_t>& block) {
    return *reinterpret_cast<const PluginPanelItem*>(block.data());
  }
  // A list box of the lines from x1, y1 to x2, y2.
  static FarDialogItem list_box(FarList& lines, std::intptr_t x1, std::intptr_t y1,
                                std::intptr_t x2, std::intptr_t y2) {
    FarDialogItem item{};
    item.Type = DI_LISTBOX;
    std::tie(item.X1, item.Y1, item.X2, item.Y2) = std::tie(x1, y1, x2, y2);
    item.ListItems = &lines;
    return item;
  }

  PluginStartupInfo table{};
};

// What a dialog procedure hears: notifications, and the records of the input ones by name.
const PluginStartupInfo* dialog_table = nullptr;
std::vector<std::string> heard;
std::intptr_t FARAPI recording_proc(HANDLE dialog, std::intptr_t msg, std::intptr_t param1,
                                    void* param2) {
  std::string what = std::to_string(msg);
  if ((msg == DN_INPUT || msg == DN_CONTROLINPUT) && param2)
    what += " " + host_core::record_name(*static_cast<const INPUT_RECORD*>(param2));
  if (msg != DN_GOTFOCUS) heard.push_back(what);
  if (msg == DN_INITDIALOG) dialog_table->SendDlgMessage(dialog, DM_SETINPUTNOTIFY, 1, nullptr);
  return dialog_table->DefDlgProc(dialog, msg, param1, param2);
}

}  // namespace

TEST_F(far3_host_model, the_active_sort_mode_turns_round_and_another_takes_its_own_direction) {
  two_panels();
  control(panel_active, FCTL_SETSORTMODE, SM_NAME);
  EXPECT_FALSE(info().Flags & PFLAGS_REVERSESORTORDER);
  control(panel_active, FCTL_SETSORTMODE, SM_NAME);
  EXPECT_TRUE(info().Flags & PFLAGS_REVERSESORTORDER);
  control(panel_active, FCTL_SETSORTMODE, SM_EXT);
  EXPECT_FALSE(info().Flags & PFLAGS_REVERSESORTORDER);
  control(panel_active, FCTL_SETSORTMODE, SM_SIZE);
  EXPECT_TRUE(info().Flags & PFLAGS_REVERSESORTORDER);
  control(panel_active, FCTL_SETSORTORDER, 1);
  EXPECT_TRUE(info().Flags & PFLAGS_REVERSESORTORDER);
  EXPECT_EQ(control(panel_active, FCTL_SETSORTMODE, SM_DEFAULT), 0);
  EXPECT_EQ(control(panel_active, FCTL_SETSORTMODE, SM_COUNT), 0);
  // Each accepted call re-sorts, even one that changes nothing.
  EXPECT_EQ(focused().sorts, 5);
}

TEST_F(far3_host_model, with_nothing_selected_the_current_item_stands_in_unmarked_dotdot_too) {
  win.add_dir("C:\\Sub");
  host.made_up_dirs["C:\\Sub"] = {host_core::make_item("..", 0x10), host_core::make_item("a.txt"),
                                  host_core::make_item("b.txt")};
  host.change_dir(focused(), "C:\\Sub");
  EXPECT_EQ(info().SelectedItemsNumber, 0u);
  const auto up = item(FCTL_GETSELECTEDPANELITEM, 0);
  ASSERT_FALSE(up.empty());
  EXPECT_EQ(host_core::utf8_of(as_item(up).FileName), "..");
  EXPECT_EQ(host_core::utf8_of(as_item(up).AlternateFileName), "..");
  EXPECT_FALSE(as_item(up).Flags & PPIF_SELECTED);
  EXPECT_NE(as_item(up).Flags, 0u);
  EXPECT_TRUE(item(FCTL_GETSELECTEDPANELITEM, 1).empty());

  focused().move_cursor(2);
  EXPECT_EQ(info().SelectedItemsNumber, 1u);
  EXPECT_EQ(as_item(item(FCTL_GETSELECTEDPANELITEM, 0)).Flags, 0u);

  control(panel_active, FCTL_SETSELECTION, 1, &table);
  EXPECT_EQ(info().SelectedItemsNumber, 1u);
  const auto chosen = item(FCTL_GETSELECTEDPANELITEM, 0);
  EXPECT_EQ(host_core::utf8_of(as_item(chosen).FileName), "a.txt");
  EXPECT_TRUE(as_item(chosen).Flags & PPIF_SELECTED);
}

TEST_F(far3_host_model, items_and_directories_come_in_two_calls_their_texts_after_the_record) {
  make_dir("C:\\Данные", {"отчёт.txt"});
  host.change_dir(focused(), "C:\\Данные");
  std::size_t size = 0;
  const auto whole = item(FCTL_GETPANELITEM, 0, &size);
  EXPECT_EQ(size, sizeof(PluginPanelItem) + sizeof(L"отчёт.txt"));
  EXPECT_EQ(reinterpret_cast<const char*>(as_item(whole).FileName) -
                reinterpret_cast<const char*>(whole.data()),
            static_cast<std::ptrdiff_t>(sizeof(PluginPanelItem)));
  // Room for the record alone: the record without its texts.
  std::vector<std::uint64_t> block(sizeof(PluginPanelItem) / 8);
  FarGetPluginPanelItem short_request{sizeof short_request, sizeof(PluginPanelItem),
                                      reinterpret_cast<PluginPanelItem*>(block.data())};
  EXPECT_EQ(control(panel_active, FCTL_GETPANELITEM, 0, &short_request), size);
  EXPECT_EQ(as_item(block).FileName, nullptr);

  const auto bytes = static_cast<std::size_t>(control(panel_active, FCTL_GETPANELDIRECTORY));
  std::vector<std::uint64_t> directory(bytes / 8 + 1);
  auto& record = *reinterpret_cast<FarPanelDirectory*>(directory.data());
  record.StructSize = sizeof record;
  EXPECT_EQ(control(panel_active, FCTL_GETPANELDIRECTORY, 0, &record), bytes);
  EXPECT_EQ(record.Name, nullptr) << "filled into a buffer said to be empty";
  EXPECT_EQ(
      control(panel_active, FCTL_GETPANELDIRECTORY, static_cast<std::intptr_t>(bytes), &record),
      bytes);
  EXPECT_EQ(record.Name, reinterpret_cast<const wchar_t*>(&record + 1));
  EXPECT_EQ(host_core::utf8_of(record.Name), "C:\\Данные");
  EXPECT_EQ(host_core::utf8_of(record.File) + host_core::utf8_of(record.Param), "");

  PanelInfo old_size{};
  old_size.StructSize = sizeof old_size - 8;
  EXPECT_EQ(control(panel_active, FCTL_GETPANELINFO, 0, &old_size), 0);
  EXPECT_EQ(far3.faults.size(), 1u);
  far3.faults.clear();
}

// A plugin panel's folder is its plugin's: every text after the record in FAR's order, Name,
// File, Param, and the plugin's GUID, which its panel record names as the owner.
TEST_F(far3_host_model, a_plugin_panels_directory_names_the_plugins_folder_file_and_data) {
  make_dir("C:\\Архивы");
  host.change_dir(focused(), "C:\\Архивы");
  focused().open_plugin_panel();
  focused().plugin_dir = {"отчёты\\2024", "C:\\Архивы\\копия.zip", "zip:1"};
  const auto bytes = static_cast<std::size_t>(control(panel_active, FCTL_GETPANELDIRECTORY));
  EXPECT_EQ(bytes, sizeof(FarPanelDirectory) + sizeof(L"отчёты\\2024") +
                       sizeof(L"C:\\Архивы\\копия.zip") + sizeof(L"zip:1"));
  std::vector<std::uint64_t> block(bytes / 8 + 1);
  auto& record = *reinterpret_cast<FarPanelDirectory*>(block.data());
  record.StructSize = sizeof record;
  EXPECT_EQ(
      control(panel_active, FCTL_GETPANELDIRECTORY, static_cast<std::intptr_t>(bytes), &record),
      bytes);
  const auto* texts = reinterpret_cast<const wchar_t*>(&record + 1);
  EXPECT_EQ(record.Name, texts);
  EXPECT_EQ(record.File, record.Name + std::wcslen(record.Name) + 1);
  EXPECT_EQ(record.Param, record.File + std::wcslen(record.File) + 1);
  EXPECT_EQ(reinterpret_cast<const char*>(record.Param + std::wcslen(record.Param) + 1),
            reinterpret_cast<const char*>(&record) + bytes);
  EXPECT_EQ(host_core::utf8_of(record.Name), "отчёты\\2024");
  EXPECT_EQ(host_core::utf8_of(record.File), "C:\\Архивы\\копия.zip");
  EXPECT_EQ(host_core::utf8_of(record.Param), "zip:1");
  EXPECT_EQ(guid_text(record.PluginId), guid_text(info().OwnerGuid));
  EXPECT_NE(guid_text(record.PluginId), guid_text(GUID{}));

  // Left for the folder it was opened on: a file panel's again.
  FarPanelDirectory target{};
  target.StructSize = sizeof target;
  const std::wstring folder = host_core::wide_of("C:\\Архивы");
  target.Name = folder.c_str();
  EXPECT_EQ(control(panel_active, FCTL_SETPANELDIRECTORY, 0, &target), 1);
  EXPECT_EQ(
      control(panel_active, FCTL_GETPANELDIRECTORY, static_cast<std::intptr_t>(bytes), &record),
      static_cast<std::intptr_t>(sizeof(FarPanelDirectory) + sizeof(L"C:\\Архивы") +
                                 2 * sizeof(L"")));
  EXPECT_EQ(host_core::utf8_of(record.Name) + host_core::utf8_of(record.File) +
                host_core::utf8_of(record.Param),
            "C:\\Архивы");
  EXPECT_EQ(guid_text(record.PluginId), guid_text(GUID{}));
}

// A directory call moves a tree, info or quick view panel itself; a view-mode call, any mode,
// turns it into a file panel of the folder it was at.
TEST_F(far3_host_model, only_a_view_mode_call_turns_a_special_panel_into_a_file_panel) {
  make_dir("C:\\Work", {"w.txt"});
  for (const auto kind : {host_core::panel_kind::tree, host_core::panel_kind::info,
                          host_core::panel_kind::quick_view}) {
    two_panels();
    focused().kind = kind;
    if (kind == host_core::panel_kind::tree) focused().build_tree();
    FarPanelDirectory target{};
    target.StructSize = sizeof target;
    const std::wstring work = host_core::wide_of("C:\\Work");
    target.Name = work.c_str();
    EXPECT_EQ(control(panel_active, FCTL_SETPANELDIRECTORY, 0, &target), 1);
    EXPECT_EQ(focused().kind, kind);
    EXPECT_EQ(info().PanelType, kind == host_core::panel_kind::tree   ? PTYPE_TREEPANEL
                                : kind == host_core::panel_kind::info ? PTYPE_INFOPANEL
                                                                      : PTYPE_QVIEWPANEL);
    EXPECT_EQ(info().ItemsNumber, 0u);
    EXPECT_EQ(control(panel_active, FCTL_SETVIEWMODE, info().ViewMode), 1);
    EXPECT_EQ(focused().kind, host_core::panel_kind::files);
    EXPECT_EQ(info().PanelType, PTYPE_FILEPANEL);
    EXPECT_EQ(focused().dir, "C:\\Work");
    EXPECT_EQ(info().ItemsNumber, 1u);
  }
}

TEST_F(far3_host_model, a_directory_call_clears_the_selection_and_reads_even_the_same_folder) {
  two_panels();
  focused().select("b.txt");
  focused().move_cursor(2);
  const int reads = focused().reads;
  FarPanelDirectory same{};
  same.StructSize = sizeof same;
  const std::wstring name = host_core::wide_of("C:\\Left");
  same.Name = name.c_str();
  EXPECT_EQ(control(panel_active, FCTL_SETPANELDIRECTORY, 0, &same), 1);
  EXPECT_EQ(focused().reads, reads + 1);
  EXPECT_EQ(focused().selected_names(), std::vector<std::string>{});
  EXPECT_EQ(info().CurrentItem, 0u);
  const std::wstring gone = host_core::wide_of("C:\\Gone");
  same.Name = gone.c_str();
  EXPECT_EQ(control(panel_active, FCTL_SETPANELDIRECTORY, 0, &same), 0);
  EXPECT_EQ(focused().dir, "C:\\Left");

  // FAR indexes its items blindly: an index past them is noted.
  EXPECT_EQ(control(panel_active, FCTL_SETSELECTION, 3, &same), 0);
  EXPECT_EQ(far3.faults, std::vector<std::string>{"FCTL_SETSELECTION 3 of 3 items"});
  far3.faults.clear();
}

TEST_F(far3_host_model, a_path_is_cut_to_its_root_one_ellipsis_and_its_tail_in_utf16_units) {
  // U+1F4C1 takes two UTF-16 units, one wchar_t on Linux.
  std::wstring path = host_core::wide_of("C:\\папка\\\xF0\x9F\x93\x81\\tail");
  EXPECT_EQ(host_core::utf16_of(path).size(), 16u);
  std::wstring shortened = path;
  table.FSF->TruncPathStr(shortened.data(), 16);
  EXPECT_EQ(shortened.c_str(), path);
  table.FSF->TruncPathStr(shortened.data(), 11);
  EXPECT_EQ(host_core::utf8_of(shortened.c_str()), "C:\\\u2026\xF0\x9F\x93\x81\\tail");
  EXPECT_EQ(host_core::utf16_of(std::wstring_view(shortened.c_str())).size(), 11u);
}

TEST_F(far3_host_model, texts_convert_alike_in_either_width_of_wchar_t) {
  const std::string text = "Проекты 資料 \xF0\x9F\x93\x81";
  EXPECT_EQ(host_core::utf8_of(host_core::utf16_of(text)), text);
  EXPECT_EQ(host_core::utf8_of(host_core::utf32_of(text)), text);
  EXPECT_EQ(host_core::utf16_of(text).size(), 13u);
  EXPECT_EQ(host_core::utf32_of(text).size(), 12u);
  EXPECT_EQ(host_core::utf8_of(host_core::wide_of(host_core::utf16_of(text))), text);
  EXPECT_EQ(host_core::utf8_of_cp866("\x8F\xE0\xAE\xA5\xAA\xE2\xEB"), "Проекты");
  EXPECT_FALSE(host_core::is_utf8("\x8F\xE0\xAE\xA5\xAA\xE2\xEB"));
}

TEST_F(far3_host_model, records_are_named_as_far_3_names_them) {
  EXPECT_EQ(host_core::record_name(*host_core::typed_record("Down")), "Down");
  EXPECT_EQ(host_core::typed_record("Down")->Event.KeyEvent.dwControlKeyState, 0x100u);
  EXPECT_EQ(host_core::record_name(*host_core::typed_record("Num2")), "Num2");
  const INPUT_RECORD ctrl_tick = *host_core::typed_record("Ctrl`");
  EXPECT_EQ(ctrl_tick.Event.KeyEvent.wVirtualKeyCode, 0xC0);
  EXPECT_EQ(ctrl_tick.Event.KeyEvent.dwControlKeyState, 0x8u);
  EXPECT_EQ(host_core::record_name(ctrl_tick), "Ctrl`");
  EXPECT_EQ(host_core::record_name(host_core::ctrl_record(false)), "Ctrl");
  EXPECT_EQ(host_core::record_name(host_core::ctrl_record(true)), "");
  EXPECT_EQ(host_core::record_name(host_core::wheel_record(-120, 0, 0)), "MsWheelDown");

  wchar_t name[8];
  const INPUT_RECORD f4 = *host_core::typed_record("CtrlShiftF4");
  EXPECT_EQ(table.FSF->FarInputRecordToName(&f4, name, 5), 5u);
  EXPECT_EQ(host_core::utf8_of(name), "Ctrl");
}

// A key keeps its place, and so its scan code, on every layout; its virtual key is the
// layout's, and FAR names it by its place.
TEST_F(far3_host_model, each_layout_types_the_key_under_esc_in_its_place) {
  using host_core::keyboard_layout;
  const std::pair<keyboard_layout, int> layouts[] = {{keyboard_layout::us, 0xC0},
                                                     {keyboard_layout::uk, 0xDF},
                                                     {keyboard_layout::german, 0xDC},
                                                     {keyboard_layout::french, 0xDE}};
  for (const auto& [layout, vk] : layouts) {
    for (const char* name : {"Ctrl`", "CtrlShift`", "RCtrl`"}) {
      const INPUT_RECORD typed = *host_core::typed_record(name, layout);
      EXPECT_EQ(typed.Event.KeyEvent.wVirtualKeyCode, vk) << name;
      EXPECT_EQ(typed.Event.KeyEvent.wVirtualScanCode, 0x29) << name;
      EXPECT_EQ(typed.Event.KeyEvent.uChar.UnicodeChar, 0) << name;
      EXPECT_EQ(host_core::record_name(typed), name);
    }
  }
  // The US key's virtual key elsewhere: the Ö key of a German keyboard, the ' key of a UK one.
  const INPUT_RECORD o_umlaut = *host_core::typed_record("Ctrl;", keyboard_layout::german);
  EXPECT_EQ(o_umlaut.Event.KeyEvent.wVirtualKeyCode, 0xC0);
  EXPECT_EQ(o_umlaut.Event.KeyEvent.wVirtualScanCode, 0x27);
  EXPECT_EQ(host_core::record_name(o_umlaut), "Ctrl;");
  EXPECT_EQ(host_core::typed_record("'", keyboard_layout::uk)->Event.KeyEvent.wVirtualKeyCode,
            0xC0);
  EXPECT_EQ(host_core::typed_record("`", keyboard_layout::uk)->Event.KeyEvent.uChar.UnicodeChar,
            '`');
  EXPECT_EQ(host_core::typed_record("`", keyboard_layout::french)->Event.KeyEvent.uChar.UnicodeChar,
            0xB2)
      << "\u00b2";
  // A French keyboard has a letter, M, in the US ;'s place.
  EXPECT_FALSE(host_core::typed_record("Ctrl;", keyboard_layout::french));
  // Without a scan code a record is named by its virtual key, as on a US keyboard.
  INPUT_RECORD written = o_umlaut;
  written.Event.KeyEvent.wVirtualScanCode = 0;
  EXPECT_EQ(host_core::record_name(written), "Ctrl`");
}

TEST_F(far3_host_model, input_records_reach_the_procedure_as_far_3_hands_them_on) {
  dialog_table = &table;
  heard.clear();
  FarListItem lines[3] = {{0, L"один", 0, 0}, {0, L"два", 0, 0}, {0, L"три", 0, 0}};
  FarList list{sizeof list, 3, lines};
  FarDialogItem items[2]{};
  items[0].Type = DI_DOUBLEBOX;
  items[0].X2 = 19;
  items[0].Y2 = 6;
  items[1] = list_box(list, 1, 1, 18, 5);
  const GUID id{9, 9, 9, {9, 9, 9, 9, 9, 9, 9, 9}};
  const HANDLE dialog = table.DialogInit(&far3.plugin_guid, &id, -1, -1, 20, 7, nullptr, items, 2,
                                         0, 0, recording_proc, nullptr);
  ASSERT_NE(dialog, invalid_handle);
  host.press("Ctrl");
  host.ctrl_record(true);
  host.press("Ctrl`");
  host.ctrl_record(false);
  host.press("Down");
  host.then([&] {
    // A redraw bracket counts down from 0 and answers the count before.
    EXPECT_EQ(table.SendDlgMessage(dialog, DM_ENABLEREDRAW, 0, nullptr), 0);
    EXPECT_EQ(table.SendDlgMessage(dialog, DM_ENABLEREDRAW, 1, nullptr), -1);
    FarListPos pos{sizeof pos, 2, -1};
    EXPECT_EQ(table.SendDlgMessage(dialog, DM_LISTSETCURPOS, 1, &pos), 2);
  });
  host.press("Esc");
  EXPECT_EQ(table.DialogRun(dialog), -1);
  table.DialogFree(dialog);
  const std::string input = std::to_string(DN_INPUT) + " ";
  const std::string key = std::to_string(DN_CONTROLINPUT) + " ";
  const std::string moved = std::to_string(DN_LISTCHANGE);
  EXPECT_EQ(heard, (std::vector<std::string>{
                       std::to_string(DN_INITDIALOG), input, input + "Ctrl", key + "Ctrl", input,
                       input + "Ctrl`", key + "Ctrl`", input + "Ctrl", input + "Down", key + "Down",
                       moved, moved, moved, input + "Esc", key + "Esc", std::to_string(DN_CLOSE)}));
}

namespace {

// The wheel's records as a dialog procedure hears them: "input -60", "key -120".
std::vector<std::string> turns_heard;
std::intptr_t FARAPI wheel_proc(HANDLE dialog, std::intptr_t msg, std::intptr_t param1,
                                void* param2) {
  const auto* record = static_cast<const INPUT_RECORD*>(param2);
  if ((msg == DN_INPUT || msg == DN_CONTROLINPUT) && record && record->EventType == MOUSE_EVENT) {
    const auto turn = static_cast<std::int16_t>(record->Event.MouseEvent.dwButtonState >> 16);
    turns_heard.push_back((msg == DN_INPUT ? "input " : "key ") + std::to_string(turn));
  }
  if (msg == DN_INITDIALOG) dialog_table->SendDlgMessage(dialog, DM_SETINPUTNOTIFY, 1, nullptr);
  return dialog_table->DefDlgProc(dialog, msg, param1, param2);
}

}  // namespace

// A touchpad turns the wheel by parts of a notch. FAR adds the turns up, either way, and makes
// a key of them only once they come to whole notches: the key's record carries those, and the
// rest stays in the sum.
TEST_F(far3_host_model, the_wheel_makes_a_key_only_of_whole_notches) {
  dialog_table = &table;
  turns_heard.clear();
  FarListItem lines[5] = {
      {0, L"1", 0, 0}, {0, L"2", 0, 0}, {0, L"3", 0, 0}, {0, L"4", 0, 0}, {0, L"5", 0, 0}};
  FarList list{sizeof list, 5, lines};
  FarDialogItem items[1]{list_box(list, 0, 0, 18, 6)};
  const GUID id{9, 9, 9, {9, 9, 9, 9, 9, 9, 9, 8}};
  const HANDLE dialog = table.DialogInit(&far3.plugin_guid, &id, -1, -1, 20, 7, nullptr, items, 1,
                                         0, 0, wheel_proc, nullptr);
  ASSERT_NE(dialog, invalid_handle);
  auto at = [&](std::intptr_t line) {
    host.then([&, line] {
      FarListPos pos{sizeof pos, 0, 0};
      table.SendDlgMessage(dialog, DM_LISTGETCURPOS, 0, &pos);
      EXPECT_EQ(pos.SelectPos, line);
    });
  };
  for (const int turn : {-60, -60}) host.wheel_turn(turn);
  at(1);
  // Back a little and on again: 30 - 90 is half a notch down; with 100 more, -40 is left.
  for (const int turn : {30, -90, -100}) host.wheel_turn(turn);
  at(2);
  for (const int turn : {40, -240}) host.wheel_turn(turn);
  at(3);
  host.wheel_turn(119);
  at(3);
  host.press("Esc");
  EXPECT_EQ(table.DialogRun(dialog), -1);
  table.DialogFree(dialog);
  EXPECT_EQ(turns_heard,
            (std::vector<std::string>{"input -60", "input -60", "key -120", "input 30", "input -90",
                                      "input -100", "key -120", "input 40", "input -240",
                                      "key -240", "input 119"}));
}
