#include "far170/ctrl_wakeups.h"

#include "binding/keys.h"
#include "far170/host_api.h"

namespace far_tolvane {

namespace {

constexpr DWORD period_ms = 100;
constexpr WORD vk_control = VK_CONTROL;

INPUT_RECORD ctrl_event(bool down) {
  INPUT_RECORD record{};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = vk_control;
  record.Event.KeyEvent.dwControlKeyState = down ? LEFT_CTRL_PRESSED : 0;
  return record;
}

}  // namespace

ctrl_wakeups::ctrl_wakeups() : thread_(period_ms, tap, this) {}

void ctrl_wakeups::start() {
  if (thread_.running() || host_sends_idle_notices()) return;
  console_input_ = GetStdHandle(STD_INPUT_HANDLE);
  thread_.start();
}

// On the thread: the console's input handle is all it touches.
void ctrl_wakeups::tap(void* self) {
  const auto& wakeups = *static_cast<const ctrl_wakeups*>(self);
  const INPUT_RECORD tap[2] = {ctrl_event(true), ctrl_event(false)};
  DWORD waiting = 0;
  DWORD written = 0;
  // A busy host is called anyway; taps must not pile up behind its work.
  if (GetNumberOfConsoleInputEvents(wakeups.console_input_, &waiting) && waiting == 0)
    WriteConsoleInputW(wakeups.console_input_, tap, 2, &written);
}

// The one wake-up thread there is: the list's quick-switch form is the only one it serves.
ctrl_wakeups list_wakeups;

void start_ctrl_watch() { list_wakeups.start(); }

void stop_ctrl_watch() { list_wakeups.stop(); }

}  // namespace far_tolvane
