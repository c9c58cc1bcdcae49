#include "dialog/typed_ahead.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "dialog/reported_keys.h"
#include "host/windows_api.h"

namespace far_tolvane {

namespace {

// With NumLock on, a NumPad key steps only with Ctrl, Alt or Shift: alone it is a digit.
bool numpad_step(const KEY_EVENT_RECORD& key) {
  constexpr DWORD modifiers =
      LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED | LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED | SHIFT_PRESSED;
  if (!(key.dwControlKeyState & modifiers)) return false;
  switch (key.wVirtualKeyCode - VK_NUMPAD0) {
    case 1:  // End
    case 2:  // Down
    case 3:  // PgDn
    case 7:  // Home
    case 8:  // Up
    case 9:  // PgUp
      return true;
    default: return false;
  }
}

bool steps_cursor(const KEY_EVENT_RECORD& key) {
  if (!key.bKeyDown) return false;
  switch (key.wVirtualKeyCode) {
    case 0x21:  // PgUp
    case 0x22:  // PgDn
    case 0x23:  // End
    case 0x24:  // Home
    case 0x26:  // Up
    case 0x28:  // Down
      return true;
    default: return is_key_under_esc(key) || numpad_step(key);
  }
}

}  // namespace

bool cursor_step_waiting() {
  INPUT_RECORD records[32];
  DWORD count = 0;
  if (!PeekConsoleInputA(GetStdHandle(STD_INPUT_HANDLE), records, std::size(records), &count))
    return false;
  // FAR 3 adds the wheel's turns up, either way, and makes a step of them only once they come
  // to a whole notch, keeping the rest for the next turn: a touchpad's small turns make none.
  // What FAR has kept from turns it already took is not known here, and while it makes no step
  // what it holds stays within 119 either way: the turns waiting are sure to make one when their
  // running sum spans 239 or more. Less, and the step's preview is made now rather than be put
  // off for a step that may never come. Where a host makes a key of every turn, that costs a
  // preview.
  constexpr int notch = 120;
  int turned = 0;
  int highest = 0;
  int lowest = 0;
  for (DWORD i = 0; i < count; ++i) {
    const INPUT_RECORD& record = records[i];
    if (record.EventType == KEY_EVENT && steps_cursor(record.Event.KeyEvent)) return true;
    if (record.EventType != MOUSE_EVENT || !(record.Event.MouseEvent.dwEventFlags & MOUSE_WHEELED))
      continue;
    // The turn is the high word, signed.
    turned += static_cast<std::int16_t>(record.Event.MouseEvent.dwButtonState >> 16);
    highest = std::max(highest, turned);
    lowest = std::min(lowest, turned);
    if (highest - lowest > 2 * (notch - 1)) return true;
  }
  return false;
}

}  // namespace far_tolvane
