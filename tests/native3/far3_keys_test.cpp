// Keys as FAR 3 hands them to the list: console records, grey keys and their NumPad twins,
// Ctrl with the key under Esc, the wheel, and quick switch ended by Ctrl going up, seen either
// as a console record or through GetKeyState from a synchro notice.
#include "far3/host_api.h"
#include "far3/lifecycle.h"
#include "host_core/far3_keys.h"
#include "host_core/unicode.h"
#include "native3/far3_fixture.h"

namespace {

class far3_keys : public far3_test {
 protected:
  // Four more views, C:\V1 ... C:\V4, after the two of the panels.
  void start_with_views() {
    two_panels();
    start();
    for (const char* dir : {"C:\\V1", "C:\\V2", "C:\\V3", "C:\\V4"}) {
      make_dir(dir, {"f.txt"});
      add_view(dir);
    }
  }
  // After the feed so far: the list's cursor line and the focused panel's folder.
  void expect_at(int line, const std::string& dir) {
    host.then([this, line, dir] {
      EXPECT_EQ(list().list().pos.SelectPos, line);
      EXPECT_EQ(focused().dir, dir);
    });
  }
  // Ctrl+` twice and Ctrl+Shift+` once: down to C:\V2 and back up to C:\V1.
  void walk_with_the_key_under_esc() {
    host.press("Ctrl`");
    expect_at(2, "C:\\V1");
    host.press("Ctrl`");
    expect_at(3, "C:\\V2");
    host.press("CtrlShift`");
    expect_at(2, "C:\\V1");
  }
  // A switch to `dir` committed: the focused panel there, and its view first in the list opened
  // again, as `line` begins.
  void expect_committed(const std::string& dir, const std::string& line) {
    EXPECT_EQ(focused().dir, dir);
    host.press("Esc");
    open();
    EXPECT_EQ(lines().at(0).rfind(line, 0), 0u) << lines().at(0);
  }
};

}  // namespace

TEST_F(far3_keys, grey_keys_and_their_numpad_twins_walk_alike) {
  start_with_views();
  host.press("Down");
  expect_at(2, "C:\\V1");
  host.press("Num2");
  expect_at(3, "C:\\V2");
  host.press("End");
  expect_at(5, "C:\\V4");
  host.press("Num8");
  expect_at(4, "C:\\V3");
  host.press("Num7");
  expect_at(0, "C:\\Left");
  host.press("Num1");
  expect_at(5, "C:\\V4");
  host.press("Up");
  expect_at(4, "C:\\V3");
  host.press("Home");
  expect_at(0, "C:\\Left");
  host.press("Esc");
  open();
}

// With NumLock on, FAR names a NumPad key with Ctrl by its NumPad name (CtrlNum2), as with
// NumLock off: quick switch steps with it.
TEST_F(far3_keys, quick_switch_steps_with_the_numpad_whatever_numlock) {
  start_with_views();
  auto numlock_on = [](int digit) {
    INPUT_RECORD record = *host_core::typed_record("Num0");
    record.Event.KeyEvent.wVirtualKeyCode = static_cast<WORD>(0x60 + digit);
    record.Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED | 0x20;
    return record;
  };
  host.ctrl(true);
  host.press("CtrlQ");
  host.press("CtrlNum2");
  expect_at(2, "C:\\V1");
  host.input(numlock_on(2));
  expect_at(3, "C:\\V2");
  host.input(numlock_on(3));
  expect_at(5, "C:\\V4");
  host.input(numlock_on(8));
  expect_at(4, "C:\\V3");
  host.input(numlock_on(5));
  expect_at(4, "C:\\V3");
  host.ctrl(false);
  host.idle();
  open();
  EXPECT_EQ(focused().dir, "C:\\V3");
}

TEST_F(far3_keys, ctrl_with_the_key_under_esc_and_the_wheel_walk) {
  start_with_views();
  walk_with_the_key_under_esc();
  host.wheel_turn(-120);
  expect_at(3, "C:\\V2");
  host.wheel_turn(120);
  expect_at(2, "C:\\V1");
  host.press("Esc");
  open();
}

TEST_F(far3_keys, enter_commits_and_esc_puts_the_panels_own_view_back) {
  start_with_views();
  host.panels[0].select("b.txt");
  host.panels[0].move_cursor(2);
  host.press("Down");
  host.press("Down");
  host.press("Esc");
  open();
  EXPECT_EQ(focused().dir, "C:\\Left");
  EXPECT_EQ(focused().selected_names(), std::vector<std::string>{"b.txt"});
  EXPECT_EQ(focused().files.current, 2);
  EXPECT_EQ(list().exit_code, 0);

  host.press("Down");
  host.press("NumEnter");
  open();
  expect_committed("C:\\V1", "3. Files < C:\\V1");
}

TEST_F(far3_keys, quick_switch_commits_when_ctrl_goes_up_in_the_console) {
  start_with_views();
  host.ctrl_record(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  host.press("Ctrl`");
  expect_at(3, "C:\\V2");
  host.ctrl_record(false);
  open();
  EXPECT_TRUE(list().closed);
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(far3.notices_delivered, 0) << "closed by a synchro tick, not by the release";
  expect_committed("C:\\V2", "4. Files < C:\\V2");
}

TEST_F(far3_keys, quick_switch_commits_when_a_synchro_notice_finds_ctrl_up) {
  start_with_views();
  host.ctrl(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  // Ctrl still held: the wake-up finds nothing to do.
  host.idle();
  host.then([this] {
    EXPECT_GE(far3.notices_delivered, 1);
    EXPECT_FALSE(list().closed);
    EXPECT_EQ(win.last_wait_ms, 50u) << "a synchro notice asked for every 50 ms";
  });
  host.ctrl(false);
  // Only the common synchro event is the plugin's wake-up.
  host.then([this] {
    const far3_host::ProcessSynchroEventInfo other{sizeof other, far3_host::SE_COMMONSYNCHRO + 1,
                                                   nullptr, nullptr};
    far_tolvane::process_synchro_event(&other);
    far_tolvane::process_synchro_event(nullptr);
    EXPECT_FALSE(list().closed);
  });
  host.idle();
  open();
  EXPECT_TRUE(list().closed);
  EXPECT_EQ(focused().dir, "C:\\V1");
  EXPECT_EQ(win.open_threads, 0);
}

TEST_F(far3_keys, a_lone_ctrl_outside_quick_switch_changes_nothing) {
  start_with_views();
  host.press("Down");
  host.press("Ctrl");
  host.then([this] { EXPECT_FALSE(list().closed); });
  host.press("Esc");
  open();
  EXPECT_EQ(focused().dir, "C:\\Left");
}

TEST_F(far3_keys, a_refusal_on_a_special_panel_is_shown_whole) {
  far3.load_language_file(TOLVANE_LANG_DIR "/TolvaneRus.lng");
  start_with_views();
  host.panels[0].kind = host_core::panel_kind::quick_view;
  host.press("Down");
  host.then([this] {
    host_core::far3_dialog& notice = *far3.last_dialog();
    EXPECT_EQ(guid_text(notice.id), guid_text(far_tolvane::notice_dialog_guid));
    EXPECT_TRUE(notice.flags & far3_host::FDLG_WARNING);
    // Centred, then a row lower, clear of the list's own centre line.
    EXPECT_EQ(notice.y, (40 - notice.height) / 2 + 1);
    EXPECT_EQ(notice.x, (120 - notice.width) / 2);
    for (int line = 1; line <= 2; ++line)
      EXPECT_EQ(notice.shown_text(line), notice.text(line)) << notice.text(line);
    EXPECT_NE(notice.text(2).find(host_core::utf8_of(far_tolvane::GetMsg(19))), std::string::npos);
  });
  host.press("Enter");
  host.press("Esc");
  open();
  EXPECT_EQ(focused().dir, "C:\\Left");
  // Both asked for centred, so that FAR centres them again when the console is resized.
  const std::vector<std::string> made = calls("DialogInit");
  ASSERT_EQ(made.size(), 2u);
  for (const std::string& call : made) EXPECT_NE(call.find(" -1 -1 "), std::string::npos) << call;
}

TEST_F(far3_keys, a_quick_switch_refusal_closes_with_the_list_when_ctrl_goes_up) {
  start_with_views();
  host.panels[0].kind = host_core::panel_kind::tree;
  host.panels[0].build_tree();
  host.ctrl_record(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  host.then([this] { EXPECT_EQ(far3.running().size(), 2u); });
  host.ctrl_record(false);
  open();
  ASSERT_EQ(far3.dialogs.size(), 2u);
  EXPECT_TRUE(far3.dialogs[1]->closed);
  EXPECT_TRUE(list().closed);
  EXPECT_EQ(far3.notices_delivered, 0) << "closed by a synchro tick, not by the release";
  EXPECT_FALSE(host.ran_dry);
  EXPECT_EQ(win.open_threads, 0);
}

// FAR 3 gives a click in a list to the list, which moves its cursor without asking the
// procedure's DN_CONTROLINPUT: the list must stay on the view the panel shows.
TEST_F(far3_keys, a_click_in_the_list_moves_neither_its_cursor_nor_the_panel) {
  start_with_views();
  host.press("Down");
  host.then([this] {
    const host_core::far3_dialog& shown = list();
    const auto& box = shown.list().record;
    // Line 4 of the list, clicked and then double-clicked, pushed to the feed's front.
    const int x = shown.x + static_cast<int>(box.X1) + 2;
    const int y = shown.y + static_cast<int>(box.Y1) + 4;
    for (const bool twice : {true, false}) {
      host.click(x, y, twice);
      host.feed.push_front(host.feed.back());
      host.feed.pop_back();
    }
  });
  expect_at(2, "C:\\V1");
  host.press("Down");
  expect_at(3, "C:\\V2");
  host.press("Esc");
  open();
}

TEST_F(far3_keys, losing_the_focus_in_quick_switch_puts_the_panels_view_back) {
  start_with_views();
  host.ctrl(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  expect_at(2, "C:\\V1");
  // Ctrl let go in the other window: the console sees the focus go, never the key go up.
  host.ctrl(false);
  INPUT_RECORD lost{};
  lost.EventType = FOCUS_EVENT;
  lost.Event.FocusEvent.bSetFocus = 0;
  host.input(lost);
  open();
  // Closed by the plugin, not by the host for want of input.
  EXPECT_FALSE(host.ran_dry);
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(focused().dir, "C:\\Left");
}

TEST_F(far3_keys, the_list_commands_come_by_their_keys) {
  start_with_views();
  host.press("CtrlF3");
  host.then([this] { EXPECT_EQ(lines().size(), 7u); });
  host.press("CtrlShiftF4");
  host.then([this] {
    EXPECT_EQ(lines().size(), 8u);
    EXPECT_EQ(focused().dir, "C:\\");
  });
  host.press("Del");
  host.then([this] { EXPECT_EQ(lines().size(), 7u); });
  host.press("CtrlHome");
  // The new view went with Del; the clone under the cursor goes to the top.
  host.then([this] { EXPECT_EQ(lines().at(0).rfind("7. Files   C:\\Left", 0), 0u) << lines()[0]; });
  host.press("CtrlF");
  // A fixed order shows the single frame.
  host.then([this] {
    EXPECT_TRUE(list().items[0].record.Flags & far3_host::DIF_HIDDEN);
    EXPECT_FALSE(list().items[1].record.Flags & far3_host::DIF_HIDDEN);
  });
  host.press("CtrlEnter");
  open();
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(focused().dir, "C:\\Left");
}

// The rest of the list's keys, and keys it has no command on, which FAR gets: Ctrl+F2's and
// NumPad 0's virtual keys are the codes of Ctrl+q and `.
TEST_F(far3_keys, every_key_of_the_list_and_no_other_is_taken) {
  start_with_views();
  auto line_holds = [this](int line, const char* dir) {
    host.then([this, line, dir] {
      EXPECT_NE(lines().at(line).find(dir), std::string::npos) << line << ": " << lines()[line];
    });
  };
  host.press("PgDn");
  expect_at(5, "C:\\V4");
  host.press("CtrlUp");
  line_holds(4, "C:\\V4");
  host.press("CtrlDown");
  line_holds(5, "C:\\V4");
  host.press("PgUp");
  expect_at(0, "C:\\Left");
  host.press("Down");
  host.press("CtrlEnd");
  line_holds(5, "C:\\V1");
  host.press("CtrlDel");
  host.then([this] { EXPECT_EQ(lines().size(), 5u); });
  host.press("CtrlF4");
  host.then([this] { EXPECT_EQ(lines().size(), 4u); });
  host.press("CtrlShiftF5");
  host.then([this] { EXPECT_EQ(lines().at(0).rfind("4. ", 0), 0u) << lines()[0]; });
  host.press("Home");
  for (const char* name : {"Ins", "Space", "Left", "F2", "CtrlF2", "Ctrl5", "CtrlIns", "Tab"})
    host.press(name);
  INPUT_RECORD numpad0 = *host_core::typed_record("Num0");
  numpad0.Event.KeyEvent.wVirtualKeyCode = 0x60;
  numpad0.Event.KeyEvent.dwControlKeyState |= LEFT_CTRL_PRESSED;
  host.input(numpad0);
  expect_at(0, "C:\\Left");
  host.then([this] { EXPECT_FALSE(list().closed); });
  host.press("Down");
  host.press("F10");
  open();
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(focused().dir, "C:\\Left");
}

// Quick switch's form drops the margins: the list shrinks and FAR centres it again; the other
// panel's line is disabled, no line carries a check mark.
TEST_F(far3_keys, quick_switch_shrinks_the_list_which_stays_centred) {
  start_with_views();
  int width = 0;
  int height = 0;
  host.then([&] {
    width = list().width;
    height = list().height;
    const auto& shown = list().list().lines;
    for (std::size_t i = 0; i < shown.size(); ++i)
      EXPECT_EQ(shown[i].flags, i == 1 ? far3_host::LIF_DISABLE : 0u) << i;
  });
  host.press("CtrlQ");
  host.then([&] {
    EXPECT_EQ(list().width, width - 4);
    EXPECT_EQ(list().height, height - 2);
    EXPECT_EQ(list().x, (120 - list().width) / 2);
    EXPECT_EQ(list().y, (40 - list().height) / 2);
  });
  host.press("Esc");
  open();
}

TEST_F(far3_keys, f1_is_left_to_far_which_opens_the_lists_help_topic) {
  start_with_views();
  host.press("F1");
  host.press("Esc");
  open();
  EXPECT_EQ(calls("help "), std::vector<std::string>{"help Panel_list"});
}

TEST_F(far3_keys, a_quick_switch_refusal_closes_with_the_list_when_a_notice_finds_ctrl_up) {
  start_with_views();
  host.panels[0].kind = host_core::panel_kind::info;
  host.ctrl(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  host.idle();
  host.then([this] { EXPECT_EQ(far3.running().size(), 2u); });
  host.ctrl(false);
  host.idle();
  open();
  ASSERT_EQ(far3.dialogs.size(), 2u);
  EXPECT_TRUE(far3.dialogs[1]->closed);
  EXPECT_TRUE(list().closed);
  EXPECT_FALSE(host.ran_dry);
}

// A tool that holds Ctrl for the user may write releases of its own into the console: the key
// state has the last word.
TEST_F(far3_keys, a_ctrl_release_in_the_console_while_the_key_is_held_commits_nothing) {
  start_with_views();
  host.ctrl(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  host.ctrl_record(false);
  host.then([this] { EXPECT_FALSE(list().closed); });
  host.press("Ctrl`");
  expect_at(3, "C:\\V2");
  host.ctrl(false);
  host.ctrl_record(false);
  open();
  EXPECT_FALSE(host.ran_dry);
  EXPECT_EQ(focused().dir, "C:\\V2");
}

// The key under Esc is known by its place, scan code 0x29: its virtual key is the layout's.
TEST_F(far3_keys, ctrl_with_the_key_under_esc_walks_on_every_layout) {
  start_with_views();
  for (const auto layout :
       {host_core::keyboard_layout::us, host_core::keyboard_layout::uk,
        host_core::keyboard_layout::german, host_core::keyboard_layout::french}) {
    host.layout = layout;
    walk_with_the_key_under_esc();
    host.press("Esc");
    open();
    EXPECT_EQ(focused().dir, "C:\\Left") << static_cast<int>(layout);
  }
}

TEST_F(far3_keys, quick_switch_steps_with_the_key_under_esc_of_a_german_keyboard) {
  start_with_views();
  host.layout = host_core::keyboard_layout::german;
  host.ctrl_record(true);
  host.press("CtrlQ");
  host.press("Ctrl`");
  host.press("Ctrl`");
  host.press("Ctrl`");
  host.press("CtrlShift`");
  expect_at(3, "C:\\V2");
  host.ctrl_record(false);
  open();
  EXPECT_TRUE(list().closed);
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(focused().dir, "C:\\V2");
}

// Other layouts give the US key's virtual key, 0xC0, to keys in other places: the Ö key of a
// German keyboard, the ' key of a UK or French one. A record written without a scan code, as
// by a tool, is known by its virtual key.
TEST_F(far3_keys, the_us_virtual_key_in_another_place_is_not_the_key_under_esc) {
  start_with_views();
  host.layout = host_core::keyboard_layout::german;
  host.press("Ctrl;");
  host.press("CtrlShift;");
  host.layout = host_core::keyboard_layout::uk;
  host.press("Ctrl'");
  host.layout = host_core::keyboard_layout::french;
  host.press("Ctrl'");
  expect_at(0, "C:\\Left");
  INPUT_RECORD written = *host_core::typed_record("Ctrl`");
  written.Event.KeyEvent.wVirtualScanCode = 0;
  host.input(written);
  expect_at(2, "C:\\V1");
  host.press("Esc");
  open();
}

namespace {

// Cursor steps typed ahead: each step that another waiting in the console follows puts its
// preview off, and the last applies it. Input that makes no step must never put one off, or
// nothing comes to apply it.
class far3_typed_ahead : public far3_test {
 protected:
  void SetUp() override {
    two_panels();
    for (const char* dir : {"C:\\B1", "C:\\B2", "C:\\B3", "C:\\B4"}) make_big_dir(dir, 50);
    start();
    for (const char* dir : {"C:\\B1", "C:\\B2", "C:\\B3", "C:\\B4"}) add_view(dir);
    win.console_input = [this] { return host.waiting_input(); };
    host.press("Esc");
    open();
    reads = focused().reads;
  }
  // Runs the list on the feed so far, the list's own input waiting in the console as typed
  // ahead, and Esc: the steps cost `previews` previews, the last of the folder.
  void expect_one_preview_of(const std::string& dir, const std::string& what, int previews = 1) {
    host.then([this, dir, what, previews] {
      EXPECT_EQ(focused().reads, reads + previews) << what;
      EXPECT_EQ(focused().dir, dir) << what;
    });
    host.press("Esc");
    open();
    reads = focused().reads;
  }
  int reads = 0;
};

}  // namespace

TEST_F(far3_typed_ahead, the_key_under_esc_waiting_puts_a_preview_off_on_every_layout) {
  for (const auto layout :
       {host_core::keyboard_layout::us, host_core::keyboard_layout::uk,
        host_core::keyboard_layout::german, host_core::keyboard_layout::french}) {
    host.layout = layout;
    for (const char* name : {"Down", "Ctrl`", "Ctrl`", "CtrlShift`"}) host.press(name);
    expect_one_preview_of("C:\\B2", "layout " + std::to_string(static_cast<int>(layout)));
  }
}

TEST_F(far3_typed_ahead, a_key_with_the_us_virtual_key_in_another_place_puts_no_preview_off) {
  host.press("Down");
  host.layout = host_core::keyboard_layout::german;
  host.press("Ctrl;");
  expect_one_preview_of("C:\\B1", "the Ö key of a German keyboard");
  host.press("Down");
  host.layout = host_core::keyboard_layout::uk;
  host.press("Ctrl'");
  expect_one_preview_of("C:\\B1", "the ' key of a UK keyboard");
}

// FAR keeps what is short of a notch from earlier turns, which the plugin cannot see: a step
// waiting in the wheel puts a preview off only when the turns are sure to make one.
TEST_F(far3_typed_ahead, only_turns_sure_to_make_a_step_put_a_preview_off) {
  host.press("Down");
  host.wheel_turn(-60);
  expect_one_preview_of("C:\\B1", "half a notch");
  host.press("Down");
  for (const int turn : {60, -60, -60}) host.wheel_turn(turn);
  expect_one_preview_of("C:\\B1", "half a notch up, and one down");
  host.press("Down");
  for (const int turn : {-60, -60}) host.wheel_turn(turn);
  expect_one_preview_of("C:\\B2", "two halves: one step, not sure to come", 2);
  host.press("Down");
  for (const int turn : {-120, -120}) host.wheel_turn(turn);
  expect_one_preview_of("C:\\B3", "two notches: sure to step", 2);
  // FAR holds at most 119 short of a step: 238 may make none, 239 make one whatever it holds.
  host.press("Down");
  for (const int turn : {-119, -119}) host.wheel_turn(turn);
  expect_one_preview_of("C:\\B2", "two turns of 119: not sure", 2);
  host.press("Down");
  for (const int turn : {-120, -119}) host.wheel_turn(turn);
  expect_one_preview_of("C:\\B2", "120 and 119: sure");
  // Half a notch up kept by FAR, then a notch down waiting while Down is handled: FAR makes no
  // step of it, so nothing would come to make the put-off preview.
  host.wheel_turn(60);
  host.press("Down");
  host.wheel_turn(-120);
  expect_one_preview_of("C:\\B1", "a notch that FAR's leftover cancels");
}
