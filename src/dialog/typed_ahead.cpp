#include "dialog/typed_ahead.h"

#include "host/windows_api.h"

namespace far_tolvane {

namespace {

constexpr WORD vk_prior = 0x21, vk_down = 0x28, vk_left = 0x25, vk_right = 0x27, vk_oem_3 = 0xC0;

bool steps_cursor(const INPUT_RECORD& record) {
  if (record.EventType == MOUSE_EVENT)
    return (record.Event.MouseEvent.dwEventFlags & MOUSE_WHEELED) != 0;
  if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown) return false;
  const WORD key = record.Event.KeyEvent.wVirtualKeyCode;
  return (key >= vk_prior && key <= vk_down && key != vk_left && key != vk_right) ||
         key == vk_oem_3;
}

}  // namespace

bool cursor_step_waiting() {
  INPUT_RECORD records[32];
  DWORD count = 0;
  if (!PeekConsoleInputA(GetStdHandle(STD_INPUT_HANDLE), records, 32, &count)) return false;
  for (DWORD i = 0; i < count && i < 32; ++i)
    if (steps_cursor(records[i])) return true;
  return false;
}

}  // namespace far_tolvane
