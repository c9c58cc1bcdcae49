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

void ctrl_wakeups::start() {
  if (thread_ || host_sends_idle_notices()) return;
  console_input_ = GetStdHandle(STD_INPUT_HANDLE);
  stop_event_ = CreateEventA(nullptr, 1, 0, nullptr);
  if (!stop_event_) return;
  thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
  if (thread_) return;
  CloseHandle(stop_event_);
  stop_event_ = nullptr;
}

void ctrl_wakeups::stop() {
  if (!thread_) return;
  SetEvent(stop_event_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_event_);
  thread_ = stop_event_ = nullptr;
}

// The thread: only the two handles it was given, both held until it has ended.
DWORD WINAPI ctrl_wakeups::run(void* self) {
  const auto& wakeups = *static_cast<const ctrl_wakeups*>(self);
  const INPUT_RECORD tap[2] = {ctrl_event(true), ctrl_event(false)};
  while (WaitForSingleObject(wakeups.stop_event_, period_ms) == WAIT_TIMEOUT) {
    DWORD waiting = 0;
    DWORD written = 0;
    // A busy host is called anyway; taps must not pile up behind its work.
    if (GetNumberOfConsoleInputEvents(wakeups.console_input_, &waiting) && waiting == 0)
      WriteConsoleInputW(wakeups.console_input_, tap, 2, &written);
  }
  return 0;
}

// The one wake-up thread there is: the list's quick-switch form is the only one it serves.
ctrl_wakeups list_wakeups;

void start_ctrl_watch() { list_wakeups.start(); }

void stop_ctrl_watch() { list_wakeups.stop(); }

}  // namespace far_tolvane
