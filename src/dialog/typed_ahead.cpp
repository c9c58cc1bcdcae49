#include "dialog/typed_ahead.h"

#include <algorithm>
#include <iterator>

#include "host/windows_api.h"

namespace far_tolvane {

namespace {

bool steps_cursor(const INPUT_RECORD& record) {
  if (record.EventType == MOUSE_EVENT)
    return (record.Event.MouseEvent.dwEventFlags & MOUSE_WHEELED) != 0;
  if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown) return false;
  switch (record.Event.KeyEvent.wVirtualKeyCode) {
    case 0x21:  // PgUp
    case 0x22:  // PgDn
    case 0x23:  // End
    case 0x24:  // Home
    case 0x26:  // Up
    case 0x28:  // Down
    case 0xC0:  // the key under Esc
      return true;
    default: return false;
  }
}

}  // namespace

bool cursor_step_waiting() {
  INPUT_RECORD records[32];
  DWORD count = 0;
  if (!PeekConsoleInputA(GetStdHandle(STD_INPUT_HANDLE), records, std::size(records), &count))
    return false;
  return std::any_of(records, records + count, steps_cursor);
}

}  // namespace far_tolvane
