#include "dialog/typed_ahead.h"

#include "host/windows_api.h"

namespace far_tolvane {

namespace {

// A held Ctrl repeats its own key-down events: modifiers alone are no key press.
bool modifier_only(WORD key) {
  return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_CAPITAL ||
         (key >= VK_LWIN && key <= VK_APPS) || key == VK_NUMLOCK || key == VK_SCROLL ||
         (key >= VK_LSHIFT && key <= VK_RMENU);
}

}  // namespace

bool key_press_waiting() {
  INPUT_RECORD records[32];
  DWORD count = 0;
  if (!PeekConsoleInputA(GetStdHandle(STD_INPUT_HANDLE), records, 32, &count)) return false;
  for (DWORD i = 0; i < count && i < 32; ++i) {
    const INPUT_RECORD& record = records[i];
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown &&
        !modifier_only(record.Event.KeyEvent.wVirtualKeyCode))
      return true;
  }
  return false;
}

}  // namespace far_tolvane
