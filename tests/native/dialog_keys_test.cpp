#include "dialog/typed_ahead.h"
#include "dialog/view_list_dialog.h"
#include "far170/ctrl_wakeups.h"
#include "far170/dialogs.h"
#include "far170/host_api.h"
#include "native/plugin_fixture.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

constexpr key_code ctrl_tilde = KEY_CTRL | KEY_TILDE;
constexpr key_code ctrl_shift_tilde = KEY_CTRL | KEY_SHIFT | KEY_TILDE;
constexpr WORD vk_down = 0x28;

// A key pressed, as it waits in the console's input.
INPUT_RECORD key_down(WORD virtual_key) {
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = 1;
  record.Event.KeyEvent.wVirtualKeyCode = virtual_key;
  return record;
}

// The list after start-up with two stored views: [2 Left (focused), 1 Right, 3 V1, 4 V2].
class dialog_keys : public plugin_test {
 protected:
  void SetUp() override { start_with_views(2); }
  std::string active_dir() { return host.active_panel().dir; }
  int dirs_set() { return count_calls(host, "Control SETPANELDIR"); }
  void quick_mode() {
    host.key(KEY_CTRL | 'Q');
    host.ctrl(true);
  }
};

}  // namespace

TEST_F(dialog_keys, esc_or_f10_right_after_opening_applies_nothing) {
  for (key_code key : {KEY_ESC, KEY_F10}) {
    host.log.clear();
    host.key(key);
    open();
    EXPECT_EQ(dirs_set(), 0);
    EXPECT_EQ(list().exit_code, 0) << "closed by the plugin, not by the host";
  }
  EXPECT_FALSE(host.ran_dry);
}

TEST_F(dialog_keys, esc_after_a_preview_puts_the_panel_back) {
  host.keys({KEY_DOWN, KEY_ESC});
  open();
  EXPECT_EQ(
      host.calls("Control SETPANELDIR"),
      (std::vector<std::string>{"Control SETPANELDIR C:\\V1", "Control SETPANELDIR C:\\Left"}));
  EXPECT_EQ(active_dir(), "C:\\Left");
  EXPECT_EQ(order_numbers(), (std::vector<int>{2, 1, 3, 4}));
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left");
}

TEST_F(dialog_keys, enter_switches_without_a_second_apply_and_moves_the_view_forward) {
  host.keys({KEY_DOWN, KEY_ENTER});
  open();
  EXPECT_EQ(dirs_set(), 1);
  EXPECT_EQ(active_dir(), "C:\\V1");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  EXPECT_EQ(order_numbers(), (std::vector<int>{3, 2, 1, 4}));
  EXPECT_FALSE(fixed_order);
}

TEST_F(dialog_keys, ctrl_enter_switches_in_place_and_leaves_the_order_fixed) {
  host.keys({KEY_DOWN, KEY_CTRL | KEY_ENTER});
  open();
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  EXPECT_EQ(order_numbers(), (std::vector<int>{2, 1, 3, 4}));
  EXPECT_TRUE(fixed_order);
  host.key(KEY_ESC);
  open();
  EXPECT_FALSE(fixed_order) << "every opening starts with the most-recently-used rule";
}

TEST_F(dialog_keys, ctrl_f_toggles_the_frame_and_keeps_the_cursor_line) {
  host.keys({KEY_DOWN, KEY_CTRL | 'F'});
  host.then([&] {
    EXPECT_EQ(list().items[0].Flags, DIF_HIDDEN);
    EXPECT_EQ(list().items[1].Flags, 0u);
    EXPECT_EQ(list().list().pos.SelectPos, 2);
    EXPECT_EQ(list().redraw_off, 0);
  });
  host.keys({KEY_CTRL | 'F'});
  host.then([&] { EXPECT_EQ(list().items[0].Flags, 0u); });
  host.key(KEY_ESC);
  open();
  EXPECT_FALSE(fixed_order);
}

TEST_F(dialog_keys, ctrl_q_needs_the_nt_family) {
  win.platform_id = VER_PLATFORM_WIN32_WINDOWS;
  host.keys({KEY_CTRL | 'Q'});
  host.then([&] { EXPECT_EQ(list().items[0].X1, 2) << "still the normal form"; });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(count_calls(host, "DM_SETDLGITEM"), 0);
}

TEST_F(dialog_keys, outside_quick_switch_an_idle_moment_is_the_hosts) {
  host.idle();
  host.then([&] { EXPECT_EQ(list().answers.at(DN_ENTERIDLE), 0); });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(dirs_set(), 0);
}

TEST_F(dialog_keys, quick_switch_follows_the_cursor_while_ctrl_is_held_and_commits_on_release) {
  quick_mode();
  host.keys({ctrl_tilde, ctrl_tilde});
  host.idle();
  host.idle();
  host.then([&] {
    EXPECT_FALSE(list().closed);
    EXPECT_EQ(active_dir(), "C:\\V2");
  });
  host.key(ctrl_shift_tilde);
  host.ctrl(false);
  host.idle();
  open();
  EXPECT_FALSE(host.ran_dry);
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(list().answers.at(DN_ENTERIDLE), 1);
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  EXPECT_EQ(order_numbers(), (std::vector<int>{3, 2, 1, 4}));
}

TEST_F(dialog_keys, without_idle_notices_a_quick_switch_commits_on_the_wake_up_after_release) {
  host.ways = host_core::far3_ways();
  host.keys({KEY_CTRL | 'Q', KEY_CTRL | 'Q'});
  host.then([&] { EXPECT_EQ(win.open_threads, 0) << "the normal form again"; });
  quick_mode();
  host.key(ctrl_tilde);
  host.idle();
  host.then([&] {
    EXPECT_FALSE(list().closed) << "Ctrl is still held";
    EXPECT_EQ(win.open_threads, 1);
    EXPECT_EQ(win.last_wait_ms, 100u) << "a tap every 100 ms";
  });
  host.ctrl(false);
  host.then([&] { win.console_input = [] { return std::vector<INPUT_RECORD>(1); }; });
  host.idle();
  host.then([&] {
    EXPECT_FALSE(list().closed) << "no tap while the host has input to read";
    win.console_input = nullptr;
    win.console_ok = false;
  });
  host.idle();
  host.then([&] {
    EXPECT_FALSE(list().closed) << "nor while the console cannot say";
    win.console_ok = true;
  });
  host.idle();
  open();
  EXPECT_FALSE(host.ran_dry);
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  EXPECT_EQ(host.calls("default key"), std::vector<std::string>{}) << "the taps were taken";
  quick_mode();
  open();
  EXPECT_TRUE(host.ran_dry);
  EXPECT_EQ(win.open_threads, 0) << "ended when the host closed the list";
  win.threads_refused = true;  // then a Ctrl the user taps commits
  quick_mode();
  host.keys({ctrl_tilde, KEY_CTRL});
  host.ctrl(false);
  host.key(KEY_CTRL);
  open();
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left");
}

TEST_F(dialog_keys, the_wake_ups_end_with_their_owner) {
  host.ways = host_core::far3_ways();
  host_version_word = 0;
  {
    ctrl_wakeups wakeups;
    wakeups.start();
    EXPECT_EQ(win.open_threads, 1);
  }
  EXPECT_EQ(win.open_threads + win.open_events, 0);
}

TEST_F(dialog_keys, in_quick_switch_ctrl_arrows_walk_and_ctrl_enter_does_not_toggle) {
  quick_mode();
  host.keys({KEY_CTRL | KEY_DOWN, KEY_CTRL | KEY_DOWN, KEY_CTRL | KEY_UP, KEY_CTRL | KEY_ENTER});
  open();
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  EXPECT_EQ(order_numbers(), (std::vector<int>{3, 2, 1, 4}));
  EXPECT_FALSE(fixed_order);
}

TEST_F(dialog_keys, losing_the_focus_ends_only_a_quick_switch) {
  host.key(KEY_KILLFOCUS);
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("default key"), (std::vector<std::string>{"default key 0x1006"}));
  host.log.clear();
  quick_mode();
  host.keys({ctrl_tilde, KEY_KILLFOCUS});
  open();
  EXPECT_FALSE(host.ran_dry);
  EXPECT_EQ(active_dir(), "C:\\Left");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left");
}

TEST_F(dialog_keys, keys_are_compared_whole) {
  host.keys({KEY_ALT | KEY_DOWN, KEY_SHIFT | ctrl_tilde, KEY_CTRL | KEY_ALT | 'F', KEY_ENTER});
  open();
  EXPECT_EQ(host.calls("default key"),
            (std::vector<std::string>{"default key 0x2000128", "default key 0x3000046"}));
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V2") << "Shift+Ctrl~ is CtrlShift~: up";
}

TEST_F(dialog_keys, numpad_keys_and_ctrl_backquote_are_the_keys_of_the_table) {
  constexpr key_code numpad_down = KEY_NUMPAD0 + 2;
  constexpr key_code numpad_up = KEY_NUMPAD0 + 8;
  host.key(numpad_down);
  host.then([&] { EXPECT_EQ(active_dir(), "C:\\V1"); });
  host.keys({KEY_CTRL | numpad_up, KEY_CTRL | KEY_BACKQUOTE});
  host.then([&] { EXPECT_EQ(active_dir(), "C:\\V2"); });
  host.keys({KEY_CTRL | KEY_SHIFT | KEY_BACKQUOTE, KEY_CTRL | KEY_OEM_3, KEY_ALT | numpad_down,
             KEY_NUMPAD0 + 5, KEY_BACKQUOTE, KEY_NUMDEL, KEY_NUMPAD0 + 10 /* NumPad * */});
  host.then([&] { EXPECT_NE(list().list().pos.SelectPos, 0); });
  host.key(KEY_NUMPAD0 + 9);
  host.then([&] { EXPECT_EQ(list().list().pos.SelectPos, 0) << "NumPad 9 is PgUp"; });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("default key"),
            (std::vector<std::string>{"default key 0x2000162", "default key 0x165",
                                      "default key 0x60", "default key 0x16a"}))
      << "a key the list does not take reaches the host as it came";
  EXPECT_EQ(order_numbers(), (std::vector<int>{2, 3, 1}))
      << "Ctrl+NumPad 8 moved V1 up, Del took V2";
}

TEST_F(dialog_keys, only_a_cursor_step_waiting_in_the_console_puts_a_preview_off) {
  std::vector<INPUT_RECORD> waiting(1);
  win.console_input = [&] { return waiting; };
  std::string steps;
  for (const int key :
       {0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x11, 0xBF, 0xC0, 0xC1}) {
    waiting = {key_down(static_cast<WORD>(key))};
    steps += far_tolvane::cursor_step_waiting() ? '+' : '-';
  }
  EXPECT_EQ(steps, "-++++-+-+---+-")
      << "PgUp, PgDn, End, Home, Up, Down and the key under Esc written without a scan code";
  waiting = {key_down(vk_down)};
  waiting[0].Event.KeyEvent.bKeyDown = 0;
  EXPECT_FALSE(far_tolvane::cursor_step_waiting()) << "a Down released";
  // With NumLock on, NumPad 1 to 9 but 4, 5 and 6 step with Ctrl, and are digits alone.
  steps.clear();
  for (const bool ctrl : {false, true}) {
    for (int digit = 0; digit <= 9; ++digit) {
      waiting = {key_down(static_cast<WORD>(0x60 + digit))};
      if (ctrl) waiting[0].Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
      steps += far_tolvane::cursor_step_waiting() ? '+' : '-';
    }
  }
  EXPECT_EQ(steps, "-----------+++---+++");

  // The key under Esc is known by its place, scan code 0x29, whatever the layout's virtual key:
  // US, UK, German, French. The US key's virtual key elsewhere is another key.
  for (const int vk : {0xC0, 0xDF, 0xDC, 0xDE}) {
    waiting = {key_down(static_cast<WORD>(vk))};
    waiting[0].Event.KeyEvent.wVirtualScanCode = 0x29;
    waiting[0].Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
    EXPECT_TRUE(far_tolvane::cursor_step_waiting()) << vk;
  }
  for (const int scan : {0x27, 0x28}) {
    waiting = {key_down(0xC0)};
    waiting[0].Event.KeyEvent.wVirtualScanCode = static_cast<WORD>(scan);
    waiting[0].Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
    EXPECT_FALSE(far_tolvane::cursor_step_waiting()) << "the Ö key of a German keyboard, the ' "
                                                        "key of a UK or French one: scan "
                                                     << scan;
  }

  // FAR 3 makes a step of the wheel once its turns, added up either way, come to a notch, and
  // keeps what is short of one (119 at most either way), which is not known here: only turns
  // whose running sum spans 239 or more are sure to make a step.
  auto turns = [](std::initializer_list<int> deltas) {
    std::vector<INPUT_RECORD> records;
    for (const int delta : deltas) {
      INPUT_RECORD turn{};
      turn.EventType = MOUSE_EVENT;
      turn.Event.MouseEvent.dwEventFlags = MOUSE_WHEELED;
      turn.Event.MouseEvent.dwButtonState = static_cast<DWORD>(static_cast<WORD>(delta)) << 16;
      records.push_back(turn);
    }
    return records;
  };
  const std::pair<std::vector<INPUT_RECORD>, bool> wheel[] = {
      {turns({-120}), false},         {turns({120}), false},
      {turns({-60, -60}), false},     {turns({-120, -120}), true},
      {turns({240}), true},           {turns({-60, -60, -60, -60}), true},
      {turns({60, -60, -60}), false}, {turns({-120, 120}), false},
      {turns({120, -240}), true},     {turns({100, -240}), true},
      {turns({100, -200}), false},    {turns({0}), false},
      {turns({-119, -119}), false},   {turns({-120, -119}), true},
      {turns({119, 119}), false},     {turns({120, 119}), true}};
  for (std::size_t i = 0; i < std::size(wheel); ++i) {
    waiting = wheel[i].first;
    EXPECT_EQ(far_tolvane::cursor_step_waiting(), wheel[i].second) << "turns " << i;
  }
  waiting = turns({-120});
  waiting[0].Event.MouseEvent.dwEventFlags = 1;
  EXPECT_FALSE(far_tolvane::cursor_step_waiting()) << "the mouse moved";
}

TEST_F(dialog_keys, keys_typed_ahead_skip_the_previews_between_them_and_end_as_single_steps) {
  std::vector<std::string> ends;
  for (bool typed_ahead : {false, true}) {
    // The keys at the front of the feed wait in the console's input, as typed ahead, behind a
    // Ctrl+@ that nobody reads: no cursor step.
    win.console_input = [&, typed_ahead] {
      std::vector<INPUT_RECORD> waiting{key_down('2')};
      for (const auto& next : host.feed) {
        if (!typed_ahead || next.kind != host_model::event::key) break;
        const bool down = next.code == KEY_DOWN || next.code == KEY_NUMPAD0 + 2;
        waiting.push_back(key_down(down ? vk_down : 'X'));
      }
      return waiting;
    };
    host.log.clear();
    // Eight steps, and a key the list leaves to the host: the put-off preview comes after it.
    for (int i = 0; i < 8; ++i) host.key(i == 4 ? KEY_NUMPAD0 + 2 : KEY_DOWN);
    host.key(KEY_ALT | 'X');
    host.then([&] {
      ends.push_back(active_dir() + " " + std::to_string(list().list().pos.SelectPos) + " " +
                     std::to_string(list().list().pos.TopPos) + " " + lines().front());
    });
    host.key(KEY_ESC);
    open();
    EXPECT_EQ(dirs_set(), typed_ahead ? 2 : 9) << "and one more for Esc";
    EXPECT_EQ(active_dir(), "C:\\Left");
  }
  EXPECT_EQ(ends[0], ends[1]);
}

TEST_F(dialog_keys, a_put_off_preview_comes_with_the_next_key_or_the_switch) {
  bool down_waits = true;  // a Down in the console the host has not handed over yet
  win.console_input = [&] {
    return down_waits ? std::vector<INPUT_RECORD>{key_down(vk_down)} : std::vector<INPUT_RECORD>{};
  };
  host.key(KEY_DOWN);
  host.then([&] {
    EXPECT_EQ(active_dir(), "C:\\Left");
    down_waits = false;
  });
  host.key(KEY_ALT | 'X');
  host.then([&] {
    EXPECT_EQ(active_dir(), "C:\\V1");
    down_waits = true;
  });
  host.keys({KEY_DOWN, KEY_ENTER});
  open();
  EXPECT_EQ(active_dir(), "C:\\V2");
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V2");
}

TEST_F(dialog_keys, a_wheel_turn_steps_as_a_key_or_as_a_mouse_event_and_other_mouse_events_pass) {
  for (const host_core::host_ways& ways : {host_core::host_ways{}, host_core::far3_ways()}) {
    host.ways = ways;
    host.log.clear();
    host.wheel(KEY_MSWHEEL_DOWN);
    host.then([&] {
      EXPECT_EQ(active_dir(), "C:\\V1");
      MOUSE_EVENT_RECORD click{};
      click.dwButtonState = 1;
      const auto record = reinterpret_cast<LONG_PARAM>(&click);
      EXPECT_EQ(view_list_dialog_proc(&list(), DN_MOUSECLICK, 2, record), 0);
      EXPECT_EQ(view_list_dialog_proc(&list(), DN_MOUSEEVENT, -1, record), 1);
      click.dwEventFlags = MOUSE_WHEELED;
      click.dwButtonState = 120U << 16;
      EXPECT_EQ(view_list_dialog_proc(&list(), DN_MOUSEEVENT, -1, record), 0) << "handled";
      EXPECT_EQ(active_dir(), "C:\\Left");
    });
    host.wheel(KEY_CTRL | KEY_MSWHEEL_UP);
    host.key(KEY_ESC);
    open();
    EXPECT_EQ(host.calls("default key"), (std::vector<std::string>{"default key 0x1000203"}))
        << "Ctrl with the wheel is no key of the list";
  }
}

TEST_F(dialog_keys, a_preview_shows_under_the_list_in_every_host) {
  host_core::host_ways far171 = host_core::far175_ways();  // the first that needs the redraw
  far171.version = (1 << 8) | 71;
  for (const host_core::host_ways& ways :
       {host_core::host_ways{}, host_core::far175_ways(), far171, host_core::far3_ways()}) {
    host.ways = ways;
    host_version_word = 0;  // the plugin asks a host once
    host.log.clear();
    host.keys({KEY_DOWN, KEY_CTRL | KEY_F3});
    host.then([&] { EXPECT_EQ(host.active_panel().drawn_dir, "C:\\V1"); });
    host.key(KEY_ESC);
    open();
    const bool far175 = !ways.panels_drawn_under_dialogs;
    EXPECT_EQ(host.calls("AdvControl 27").size(), far175 ? 2u : 0u) << "the step and the clone";
  }
}

TEST_F(dialog_keys, closing_by_the_host_restores_and_closing_with_a_code_does_not) {
  host.key(KEY_DOWN);
  open();
  EXPECT_TRUE(host.ran_dry);
  EXPECT_EQ(list().exit_code, -1);
  EXPECT_EQ(active_dir(), "C:\\Left");
  host.key(KEY_DOWN);
  host.then([&] { host.send_dlg_message(&list(), DM_CLOSE, 0, 0); });
  open();
  EXPECT_EQ(active_dir(), "C:\\V1");
  EXPECT_EQ(dialog_instance->handle, nullptr);
}

TEST_F(dialog_keys, every_change_is_drawn_once_after_it) {
  host.keys({KEY_DOWN, KEY_CTRL | 'F', KEY_CTRL | KEY_DOWN, KEY_CTRL | 'R', KEY_END,
             KEY_CTRL | KEY_SHIFT | KEY_F5});
  host.then([&] { EXPECT_EQ(list().redraw_off, 0); });
  host.key(KEY_ESC);
  open();
  const auto& log = host.log;
  int depth = 0;
  for (const auto& entry : log) {
    if (entry == "DM_ENABLEREDRAW 0") ++depth;
    if (entry == "DM_ENABLEREDRAW 1") --depth;
    if (entry.rfind("DM_LISTSET ", 0) == 0) {
      EXPECT_EQ(depth, 1) << "lines replaced while drawn";
    }
    if (entry == "DM_REDRAW 0") {
      EXPECT_EQ(depth, 0);
    }
  }
  EXPECT_EQ(count_calls(host, "DM_REDRAW"), 6);
  int placed_after = 0;  // the walks and the reorder put the cursor line in place once drawn
  for (std::size_t i = 1; i < log.size(); ++i)
    if (log[i - 1] == "DM_REDRAW 0" && log[i].rfind("DM_LISTSETCURPOS", 0) == 0) ++placed_after;
  EXPECT_EQ(placed_after, 3);
}
