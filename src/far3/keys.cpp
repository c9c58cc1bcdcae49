#include "far3/keys.h"

#include "binding/keys.h"
#include "dialog/reported_keys.h"
#include "dialog/view_list_dialog.h"
#include "far3/host_api.h"

namespace far_tolvane {

using far_host::key_code;

namespace {

constexpr DWORD ctrl_keys = LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED;
constexpr DWORD alt_keys = LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED;
// The navigation block and the function keys are coded 0x100 above their virtual keys, in the
// grey form: FAR 3 tells NumPad twins only by a flag, and the list takes them alike.
constexpr bool coded_above(WORD vk) {
  return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E || (vk >= 0x70 && vk <= 0x87);
}

key_code modifiers_of(DWORD state) {
  key_code held = 0;
  if (state & ctrl_keys) held |= far_host::KEY_CTRL;
  if (state & alt_keys) held |= far_host::KEY_ALT;
  if (state & SHIFT_PRESSED) held |= far_host::KEY_SHIFT;
  return held;
}

key_code base_of(const KEY_EVENT_RECORD& key, key_code held) {
  const WORD vk = key.wVirtualKeyCode;
  if (coded_above(vk)) return 0x100u + vk;
  // Named '`' by its place, whatever the layout.
  if (is_key_under_esc(key)) return far_host::KEY_BACKQUOTE;
  // Of the keys named by their virtual key, the list has commands on these alone.
  if (vk == 0x0D || vk == 0x1B) return vk;  // Enter, Esc
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
    // With Ctrl or Alt a letter is named by its capital; alone, by what it types.
    if (held & (far_host::KEY_CTRL | far_host::KEY_ALT)) return vk;
    return key.uChar.UnicodeChar ? static_cast<key_code>(key.uChar.UnicodeChar) : vk;
  }
  return 0;
}

}  // namespace

key_code key_of(const INPUT_RECORD& record) {
  if (record.EventType == FOCUS_EVENT)
    return record.Event.FocusEvent.bSetFocus ? 0 : far_host::KEY_KILLFOCUS;
  if (record.EventType != KEY_EVENT) return 0;
  const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
  // The host makes a key of a modifier only when it goes up untouched.
  if (!key.bKeyDown) return key.wVirtualKeyCode == VK_CONTROL ? far_host::KEY_CTRL : 0;
  const key_code held = modifiers_of(key.dwControlKeyState);
  const key_code base = base_of(key, held);
  return base ? held | base : 0;
}

bool releases_ctrl(const INPUT_RECORD& record) {
  if (record.EventType != KEY_EVENT) return false;
  const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
  return !key.bKeyDown && key.wVirtualKeyCode == VK_CONTROL && !(key.dwControlKeyState & ctrl_keys);
}

// FAR 3 users remap keys with FAR's own macros, which address the list by its GUID.
bool play_key(key_code key, key_handler handler, void* context) { return handler(context, key); }

void post_remaining_keys() {}

}  // namespace far_tolvane
