// The try host's reading of console key events and its guess of a held Ctrl.
#include <gtest/gtest.h>

#include "host_core/ctrl_hold.h"
#include "keys/key_translation.h"

using namespace far_host;
using host_core::ctrl_hold;
using try_host::console_key;
using try_host::translate_key;

namespace {

constexpr std::uint32_t left_ctrl = 0x08, right_ctrl = 0x04, left_alt = 0x02, shift = 0x10;

key_code key(std::uint16_t virtual_key, char16_t character = 0, std::uint32_t state = 0) {
  return translate_key({true, virtual_key, character, state});
}

}  // namespace

TEST(try_key_translation, extended_keys_and_enter_carry_every_modifier) {
  EXPECT_EQ(key(0x28), KEY_DOWN);
  EXPECT_EQ(key(0x28, 0, left_ctrl), KEY_CTRL | KEY_DOWN);
  EXPECT_EQ(key(0x24, 0, right_ctrl), KEY_CTRL | KEY_HOME);
  EXPECT_EQ(key(0x72, 0, left_ctrl), 0x01000172u);
  EXPECT_EQ(key(0x73, 0, left_ctrl | shift), 0x05000173u);
  EXPECT_EQ(key(0x09, 0x09, shift), KEY_SHIFT | KEY_TAB);
  // The terminal's Ctrl+J is the only Ctrl+Enter that reaches the console.
  EXPECT_EQ(key(0x0D, 0x0A, left_ctrl), KEY_CTRL | KEY_ENTER);
  // Esc comes with character 0: only its virtual key tells it.
  EXPECT_EQ(key(0x1B), KEY_ESC);
}

TEST(try_key_translation, ctrl_and_alt_forms_use_the_key_not_the_control_character) {
  EXPECT_EQ(key('Q', 0x11, left_ctrl), 0x01000051u);
  EXPECT_EQ(key('C', 0x03, left_ctrl), KEY_CTRL | 'C');
  EXPECT_EQ(key('1', '1', left_alt), KEY_ALT | '1');
  EXPECT_EQ(key(0xBD, 0x1F, left_ctrl), KEY_CTRL | '-');
  // A NUL byte (Ctrl+Space, Ctrl+`, Ctrl+~ in a terminal) arrives as Ctrl+Shift+2.
  EXPECT_EQ(key('2', 0, left_ctrl | shift), 0x0100007Eu);
  EXPECT_EQ(key(0xC0, 0, left_ctrl), 0x0100007Eu);
  EXPECT_EQ(key(0xC0, 0, left_ctrl | shift), 0x0500007Eu);
}

TEST(try_key_translation, printable_keys_are_their_character_and_the_rest_is_no_key) {
  EXPECT_EQ(key('A', 'a'), static_cast<key_code>('a'));
  EXPECT_EQ(key('A', 'A', shift), static_cast<key_code>('A'));
  EXPECT_EQ(key(0xC0, '~', shift), KEY_TILDE);
  EXPECT_EQ(translate_key({false, 0x28, 0, 0}), 0u);
  EXPECT_EQ(key(0x11, 0, left_ctrl), 0u);
  EXPECT_EQ(key(0x10, 0, shift), 0u);
  // A sequence the console did not understand.
  EXPECT_EQ(key(0, 0), 0u);
}

TEST(try_ctrl_hold, a_ctrl_key_holds_ctrl_until_the_time_passes_without_another) {
  ctrl_hold hold(700);
  EXPECT_FALSE(hold.held(0));
  hold.key(KEY_CTRL | 'Q', 1000);
  EXPECT_TRUE(hold.held(1000));
  EXPECT_TRUE(hold.held(1699));
  EXPECT_FALSE(hold.held(1700));

  hold.key(KEY_CTRL | KEY_TILDE, 2000);
  hold.key(KEY_CTRL | KEY_SHIFT | KEY_TILDE, 2600);
  EXPECT_TRUE(hold.held(3299));
  EXPECT_FALSE(hold.held(3300));
}

TEST(try_ctrl_hold, a_key_without_ctrl_releases_at_once) {
  ctrl_hold hold(700);
  hold.key(KEY_CTRL | KEY_DOWN, 0);
  hold.key(KEY_DOWN, 100);
  EXPECT_FALSE(hold.held(100));
  hold.key(KEY_ALT | KEY_F1, 200);
  EXPECT_FALSE(hold.held(200));
}
