#include "dialog/reported_keys.h"

namespace far_tolvane {

using far_host::key_code;

namespace {

constexpr key_code modifiers = 0xFF000000;
// NumPad 0 to 9 with NumLock off, in key order; NumPad 5 has no grey twin.
constexpr key_code numpad_twins[] = {far_host::KEY_INS,   far_host::KEY_END,  far_host::KEY_DOWN,
                                     far_host::KEY_PGDN,  far_host::KEY_LEFT, far_host::KEY_NONE,
                                     far_host::KEY_RIGHT, far_host::KEY_HOME, far_host::KEY_UP,
                                     far_host::KEY_PGUP};

key_code grey_twin(key_code base) {
  if (base >= far_host::KEY_NUMPAD0 && base < far_host::KEY_NUMPAD0 + 10)
    return numpad_twins[base - far_host::KEY_NUMPAD0];
  if (base == far_host::KEY_NUMDEL) return far_host::KEY_DEL;
  return far_host::KEY_NONE;
}

}  // namespace

key_code table_key(key_code reported) {
  const key_code held = reported & modifiers;
  const key_code base = reported & ~modifiers;
  if (const key_code twin = grey_twin(base)) return held | twin;
  const bool backquote = base == far_host::KEY_BACKQUOTE || base == far_host::KEY_OEM_3;
  if (backquote && (held & far_host::KEY_CTRL)) return held | far_host::KEY_TILDE;
  return reported;
}

bool is_key_under_esc(const KEY_EVENT_RECORD& key) {
  constexpr WORD scan_under_esc = 0x29, vk_us_under_esc = 0xC0;
  if (key.wVirtualScanCode) return key.wVirtualScanCode == scan_under_esc;
  return key.wVirtualKeyCode == vk_us_under_esc;
}

key_code wheel_key(const MOUSE_EVENT_RECORD* record) {
  if (!record || !(record->dwEventFlags & MOUSE_WHEELED)) return far_host::KEY_NONE;
  // The turn's distance is the high word, negative towards the user.
  const bool towards_user = (record->dwButtonState & 0x80000000) != 0;
  const DWORD held = record->dwControlKeyState;
  key_code key = towards_user ? far_host::KEY_MSWHEEL_DOWN : far_host::KEY_MSWHEEL_UP;
  if (held & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) key |= far_host::KEY_CTRL;
  if (held & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) key |= far_host::KEY_ALT;
  if (held & SHIFT_PRESSED) key |= far_host::KEY_SHIFT;
  return key;
}

}  // namespace far_tolvane
