#include "dialog/notice_box.h"
#include "dialog/view_list_dialog.h"
#include "far170/host_api.h"
#include "host/message_ids.h"
#include "native/plugin_fixture.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

// The focused panel shows a plugin's contents: cursor walks, new view and clone are refused.
class notice_box_test : public plugin_test {
 protected:
  void SetUp() override {
    two_panels();
    host.panels[0].open_plugin_panel();
    start();
  }
  host_model::dialog& notice() { return *host.dialogs.at(1); }
};

std::vector<int> bounds(const FarDialogItem& item) { return {item.X1, item.Y1, item.X2, item.Y2}; }

}  // namespace

TEST_F(notice_box_test, a_refused_walk_explains_itself_one_row_below_the_centre) {
  host.key(KEY_DOWN);
  host.then([&] {
    const auto& box = notice();
    EXPECT_EQ(box.flags, FDLG_WARNING);
    EXPECT_EQ(box.help_topic, "");
    EXPECT_EQ(box.x2, 41);
    EXPECT_EQ(box.y2, 7);
    ASSERT_EQ(box.items.size(), 4u);
    EXPECT_EQ(bounds(box.items[0]), (std::vector<int>{2, 1, 38, 5}));
    EXPECT_STREQ(box.items[0].Data, "Move cursor");
    EXPECT_EQ(bounds(box.items[1]), (std::vector<int>{6, 2, 34, 0})) << "centred, 29 columns";
    EXPECT_STREQ(box.items[1].Data, "This command is not available");
    EXPECT_EQ(bounds(box.items[2]), (std::vector<int>{4, 3, 36, 0}));
    EXPECT_EQ(bounds(box.items[3]), (std::vector<int>{-1, 4, 0, 0}));
    EXPECT_STREQ(box.items[2].Data, "while the active panel is: Plugin");
    EXPECT_EQ(box.items[3].Type, DI_BUTTON);
    EXPECT_EQ(box.items[3].Flags, DIF_CENTERGROUP);
    EXPECT_EQ(box.items[3].Focus, 1);
    EXPECT_EQ(box.items[3].DefaultButton, 1);
  });
  host.key(KEY_ENTER);  // the box's default button
  host.then([&] {
    EXPECT_TRUE(notice().closed);
    EXPECT_FALSE(list().closed) << "in normal mode the list stays";
  });
  host.key(KEY_ESC);
  open();
  EXPECT_EQ(host.calls("DialogEx"),
            (std::vector<std::string>{"DialogEx -1 -1 30 6", "DialogEx -1 -1 41 7"}));
  EXPECT_EQ(host.calls("DM_MOVEDIALOG").at(1), "DM_MOVEDIALOG 1 -1 -1");
  EXPECT_EQ(host.calls("DM_MOVEDIALOG").at(2), "DM_MOVEDIALOG 0 0 1");
  EXPECT_EQ(list().answers.at(DN_INITDIALOG), 0);
  EXPECT_EQ(notice().answers.at(DN_INITDIALOG), 0);
  EXPECT_EQ(count_calls(host, "DM_LISTSETCURPOS"), 1) << "the cursor did not move";
  EXPECT_EQ(count_calls(host, "Control SETPANELDIR"), 0);
}

TEST_F(notice_box_test, new_view_and_clone_are_refused_with_their_own_titles) {
  host.keys({KEY_CTRL | KEY_SHIFT | KEY_F4, KEY_ESC, KEY_CTRL | KEY_F3, KEY_ESC, KEY_ESC});
  open();
  ASSERT_EQ(host.dialogs.size(), 3u);
  EXPECT_STREQ(host.dialogs[1]->items[0].Data, "New view");
  EXPECT_STREQ(host.dialogs[2]->items[0].Data, "Clone view");
  EXPECT_EQ(owned_views.size(), 2u);
  // The box says false once closed, as its callers expect of it.
  host.key(KEY_ESC);
  EXPECT_FALSE(dialog_instance->notice.show(false, MNoticeClone));
}

TEST_F(notice_box_test, the_longest_of_the_title_and_the_two_lines_sets_the_width) {
  for (const int id : {MNoticeCursor, MNoticeLine1, MNoticeLine2Format}) {
    const std::string text = host.texts[id];
    host.texts[id] = std::string(50, 't');
    host.keys({KEY_HOME, KEY_ESC, KEY_ESC});
    open();
    EXPECT_EQ(host.dialogs.back()->x2, 50 + (id == MNoticeCursor ? 2 : 0) + 4 + 4) << id;
    host.texts[id] = text;
  }
}

TEST_F(notice_box_test, in_quick_switch_the_box_is_compact_and_closes_with_the_list_on_release) {
  // FAR 3 neither calls a waiting dialog nor shows a centred text whole by itself.
  for (const host_core::host_ways& ways : {host_core::host_ways{}, host_core::far3_ways()}) {
    host.ways = ways;
    host_version_word = 0;
    host.log.clear();
    host.dialogs.clear();
    host.key(KEY_CTRL | 'Q');
    host.ctrl(true);
    host.key(KEY_CTRL | KEY_TILDE);
    host.idle();
    host.then([&] {
      const auto& box = notice();
      EXPECT_FALSE(box.closed) << "Ctrl is still held";
      EXPECT_EQ(box.x2, 37);
      EXPECT_EQ(box.y2, 4);
      EXPECT_EQ(bounds(box.items[0]), (std::vector<int>{0, 0, 36, 3}));
      EXPECT_EQ(box.items[1].Y1, 1);
      EXPECT_EQ(box.items[2].Y1, 2);
      EXPECT_EQ(box.shown_text(2), "while the active panel is: Plugin");
      EXPECT_EQ(box.items[3].Y1, 2);
      EXPECT_EQ(box.items[3].Flags, DIF_CENTERGROUP | DIF_HIDDEN);
      EXPECT_EQ(win.open_threads, ways.idle_notices ? 0 : 1) << "wake-ups only where needed";
    });
    host.ctrl(false);
    host.idle();
    open();
    EXPECT_FALSE(host.ran_dry);
    EXPECT_EQ(notice().exit_code, 0) << "closed by the plugin";
    EXPECT_TRUE(list().closed);
    EXPECT_EQ(count_calls(host, "DM_MOVEDIALOG 0"), 0) << "centred, not lowered";
    EXPECT_EQ(win.open_threads + win.open_events, 0) << "the wake-ups ended with the list";
  }
}

TEST_F(notice_box_test, the_kind_slot_of_a_translated_text_is_filled_without_printf) {
  host.texts[MNoticeLine2Format] = "%n%s and %s %d%%";
  host.keys({KEY_PGDN, KEY_ESC, KEY_ESC});
  open();
  EXPECT_STREQ(notice().items[2].Data, "%nPlugin and %s %d%%");
  char text[512];
  substitute_kind("no slot", "Tree", text);
  EXPECT_STREQ(text, "no slot");
  substitute_kind((std::string(509, 'f') + "%s!").c_str(), "Tree", text);
  EXPECT_EQ(text, std::string(509, 'f') + "Tr") << "cut to 511 characters";
}

TEST_F(notice_box_test, a_console_narrower_than_the_text_narrows_the_box_as_it_does_the_list) {
  const struct {
    bool console_ok;
    short columns;
    bool quick;
    int width;
  } cases[] = {{true, 30, false, 26},
               {true, 30, true, 22},
               {true, 1, false, 7},
               {true, 1, true, 3},
               {false, 30, false, 41}};
  for (const auto& each : cases) {
    win.console_ok = each.console_ok;
    win.console_cols = each.columns;
    if (each.quick) {
      host.key(KEY_CTRL | 'Q');
      host.ctrl(true);
      host.key(KEY_CTRL | KEY_TILDE);
      host.ctrl(false);
      host.idle();
    } else {
      host.keys({KEY_DOWN, KEY_ENTER, KEY_ESC});
    }
    open();
    const auto& box = *host.dialogs.back();
    EXPECT_EQ(box.x2, each.width) << each.columns << (each.quick ? " quick" : "");
    EXPECT_EQ(box.y2, each.quick ? 4 : 7) << "the rows stay";
    EXPECT_EQ(box.items[0].X2, each.width - (each.quick ? 1 : 3));
    if (each.width < 33) {
      EXPECT_EQ(box.items[2].X1, 0) << "a line wider than the box starts at 0";
    }
  }
  EXPECT_FALSE(host.ran_dry);
}
