// Keys as FAR 3 hands them to the list: console records, grey keys and their NumPad twins,
// Ctrl with the key under Esc, the wheel, and quick switch ended by Ctrl going up, seen either
// as a console record or through GetKeyState from a synchro notice.
#include "far3/host_api.h"
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

TEST_F(far3_keys, ctrl_with_the_key_under_esc_and_the_wheel_walk) {
  start_with_views();
  host.press("Ctrl`");
  expect_at(2, "C:\\V1");
  host.press("Ctrl`");
  expect_at(3, "C:\\V2");
  host.press("CtrlShift`");
  expect_at(2, "C:\\V1");
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
  host.press("Esc");
  open();
  host.press("Down");
  host.press("Down");
  host.press("Esc");
  open();
  EXPECT_EQ(focused().dir, "C:\\Left");
  EXPECT_EQ(focused().selected_names(), std::vector<std::string>{"b.txt"});
  EXPECT_EQ(list().exit_code, 0);

  host.press("Down");
  host.press("NumEnter");
  open();
  EXPECT_EQ(focused().dir, "C:\\V1");
  host.press("Esc");
  open();
  EXPECT_EQ(lines().at(0).rfind("3. Files < C:\\V1", 0), 0u) << lines().at(0);
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
  EXPECT_EQ(focused().dir, "C:\\V2");
  host.press("Esc");
  open();
  EXPECT_EQ(lines().at(0).rfind("4. Files < C:\\V2", 0), 0u) << lines().at(0);
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
  });
  host.ctrl(false);
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
    for (int line = 1; line <= 2; ++line)
      EXPECT_EQ(notice.shown_text(line), notice.text(line)) << notice.text(line);
    EXPECT_NE(notice.text(2).find(host_core::utf8_of(far_tolvane::GetMsg(19))), std::string::npos);
  });
  host.press("Enter");
  host.press("Esc");
  open();
  EXPECT_EQ(focused().dir, "C:\\Left");
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
  EXPECT_EQ(win.open_threads, 0);
}
