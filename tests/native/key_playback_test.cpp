#include "binding/keys.h"
#include "dialog/view_list_dialog.h"
#include "far170/key_macro_table.h"
#include "native/plugin_fixture.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

const std::string area = "Software\\Far\\KeyMacros\\Tolvane";

// Two stored views: [2 Left, 1 Right, 3 V1, 4 V2]; the area holds only what a test puts there.
class key_playback_test : public plugin_test {
 protected:
  void SetUp() override {
    start_with_views(2);
    win.find_key(area)->sub_keys.clear();
  }
  void entry(const std::string& key, const std::string& sequence) {
    win.set_string(area + "\\" + key, "Sequence", sequence);
  }
};

key_macro macro(key_code trigger, std::initializer_list<key_code> keys) {
  key_macro made;
  made.trigger = trigger;
  made.sequence.allocate(keys.size());
  std::copy(keys.begin(), keys.end(), made.sequence.data());
  return made;
}

std::vector<key_code> handled_keys;
bool record_and_close_on_enter(void*, key_code key) {
  handled_keys.push_back(key);
  if (key == KEY_ENTER) post_remaining_keys();
  return key != KEY_ESC;
}

}  // namespace

TEST_F(key_playback_test, a_key_without_an_entry_is_answered_by_the_handler) {
  handled_keys.clear();
  EXPECT_TRUE(play_key(KEY_DOWN, record_and_close_on_enter, nullptr));
  EXPECT_FALSE(play_key(KEY_ESC, record_and_close_on_enter, nullptr));
  EXPECT_EQ(handled_keys, (std::vector<key_code>{KEY_DOWN, KEY_ESC}));
}

TEST_F(key_playback_test, a_trigger_plays_its_sequence_and_is_always_handled) {
  handled_keys.clear();
  key_macro_table[KEY_INS] = macro(KEY_INS, {KEY_ESC, KEY_INS, KEY_DOWN});
  key_macro_table[KEY_HOME] = macro(KEY_HOME, {});
  EXPECT_TRUE(play_key(KEY_INS, record_and_close_on_enter, nullptr));
  EXPECT_TRUE(play_key(KEY_HOME, record_and_close_on_enter, nullptr));
  EXPECT_EQ(handled_keys, (std::vector<key_code>{KEY_ESC, KEY_INS, KEY_DOWN}))
      << "the trigger inside its own sequence is a plain key";
  EXPECT_TRUE(host.posted_keys.empty());
}

TEST_F(key_playback_test, the_rest_after_a_closing_key_goes_to_the_host_in_one_sequence) {
  handled_keys.clear();
  key_macro_table[KEY_INS] = macro(KEY_INS, {KEY_ENTER, KEY_DOWN, KEY_UP});
  key_macro_table[KEY_DEL] = macro(KEY_DEL, {KEY_DOWN, KEY_ENTER});
  play_key(KEY_INS, record_and_close_on_enter, nullptr);
  play_key(KEY_DEL, record_and_close_on_enter, nullptr);
  EXPECT_EQ(handled_keys, (std::vector<key_code>{KEY_ENTER, KEY_DOWN, KEY_ENTER}));
  EXPECT_EQ(host.posted_keys, (std::vector<std::vector<DWORD>>{{KEY_DOWN, KEY_UP}}));
  EXPECT_EQ(host.posted_flags, std::vector<DWORD>{KSFLAGS_DISABLEOUTPUT});
  post_remaining_keys();  // outside playback
  EXPECT_EQ(host.posted_keys.size(), 1u);
}

TEST_F(key_playback_test, a_remapped_key_plays_through_the_dialog_and_the_panels_get_the_rest) {
  entry("Ins", "Down  Enter Down Esc");
  host.key(KEY_NUMPAD0);  // Ins on the NumPad, as FAR 1.75 and FAR 3 report it
  open();
  EXPECT_FALSE(host.ran_dry);
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V1");
  EXPECT_EQ(host.posted_keys, (std::vector<std::vector<DWORD>>{{KEY_DOWN, KEY_ESC}}));
  EXPECT_EQ(host.calls("AdvControl 8"), std::vector<std::string>{"AdvControl 8"});
}

TEST_F(key_playback_test, played_numpad_keys_and_ctrl_backquote_act_as_typed_and_post_as_written) {
  entry("F5", "Num2 Ctrl` Enter Num8 Ctrl`");
  host.key(KEY_F5);
  open();
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\V2") << "Num2 to V1, Ctrl+` to V2";
  EXPECT_EQ(host.posted_keys,
            (std::vector<std::vector<DWORD>>{{KEY_NUMPAD0 + 8, KEY_CTRL | KEY_BACKQUOTE}}));
}

TEST_F(key_playback_test, an_empty_sequence_swallows_its_trigger_and_unknown_keys_reach_the_host) {
  entry("Esc", "");
  host.keys({KEY_ESC, KEY_ALT | KEY_F1, KEY_F10});
  open();
  EXPECT_EQ(host.calls("default key"), std::vector<std::string>{"default key 0x2000170"});
  EXPECT_EQ(count_calls(host, "DM_CLOSE"), 1) << "only F10 closed the list";
  EXPECT_TRUE(host.posted_keys.empty());
}

TEST_F(key_playback_test, a_sequence_closing_on_its_last_key_posts_nothing) {
  entry("CtrlF3", "CtrlF3 Enter");
  host.key(KEY_CTRL | KEY_F3);
  open();
  EXPECT_EQ(owned_views.size(), 5u) << "cloned once: the trigger played as a plain key";
  EXPECT_EQ(order_numbers().front(), 5);
  EXPECT_STREQ(active_slot->shown()->path(), "C:\\Left");
  EXPECT_TRUE(host.posted_keys.empty());
  EXPECT_FALSE(host.ran_dry);
}
