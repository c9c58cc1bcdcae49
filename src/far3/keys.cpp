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

key_code modifiers_of(DWORD state) {
  key_code held = 0;
  if (state & ctrl_keys) held |= far_host::KEY_CTRL;
  if (state & alt_keys) held |= far_host::KEY_ALT;
  if (state & SHIFT_PRESSED) held |= far_host::KEY_SHIFT;
  return held;
}

// The keys the list has commands on, as FAR names them. The navigation block and the function
// keys are named 0x100 above their virtual keys, in the grey form: FAR 3 tells NumPad twins
// only by a flag, and the list takes them alike. With NumLock on, a NumPad key is a digit
// alone and its NumPad name with Ctrl, Alt or Shift, which the list's key table takes as its
// grey twin. Any other key is left to FAR.
key_code base_of(const KEY_EVENT_RECORD& key, key_code held) {
  using namespace far_host;
  static constexpr key_code named_keys[] = {
      KEY_ENTER, KEY_ESC, KEY_PGUP, KEY_PGDN, KEY_END, KEY_HOME, KEY_UP, KEY_DOWN,
      KEY_DEL,   KEY_F3,  KEY_F4,   KEY_F5,   KEY_F10, 'F',      'Q',    'R'};
  // Named '`' by its place, whatever the layout.
  if (is_key_under_esc(key)) return KEY_BACKQUOTE;
  const key_code vk = key.wVirtualKeyCode;
  if (held != KEY_NONE && vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
    return KEY_NUMPAD0 + (vk - VK_NUMPAD0);
  for (const key_code named : named_keys)
    if (named == vk || named == 0x100u + vk) return named;
  return KEY_NONE;
}

}  // namespace

// FAR hands DN_CONTROLINPUT key presses, and a modifier's release only when it was pressed
// alone, which is no key the list takes.
key_code key_of(const INPUT_RECORD& record) {
  using far_host::KEY_NONE;
  if (record.EventType == FOCUS_EVENT)
    return record.Event.FocusEvent.bSetFocus ? KEY_NONE : far_host::KEY_KILLFOCUS;
  if (record.EventType != KEY_EVENT) return KEY_NONE;
  const key_code held = modifiers_of(record.Event.KeyEvent.dwControlKeyState);
  const key_code base = base_of(record.Event.KeyEvent, held);
  return base == KEY_NONE ? KEY_NONE : held | base;
}

bool releases_key(const INPUT_RECORD& record) {
  return record.EventType == KEY_EVENT && !record.Event.KeyEvent.bKeyDown;
}

// FAR 3 users remap keys with FAR's own macros, which address the list by its GUID.
bool play_key(key_code key, key_handler handler, void* context) { return handler(context, key); }

void post_remaining_keys() {}

}  // namespace far_tolvane
