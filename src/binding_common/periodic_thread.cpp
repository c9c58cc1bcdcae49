#include "binding_common/periodic_thread.h"

namespace far_tolvane {

void periodic_thread::start() {
  if (thread_) return;
  stop_event_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!stop_event_) return;
  thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
  if (thread_) return;
  CloseHandle(stop_event_);
  stop_event_ = nullptr;
}

void periodic_thread::stop() {
  if (!thread_) return;
  SetEvent(stop_event_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_event_);
  thread_ = stop_event_ = nullptr;
}

// The thread: only what it was given, all held until it has ended.
DWORD WINAPI periodic_thread::run(void* self) {
  const auto& thread = *static_cast<const periodic_thread*>(self);
  while (WaitForSingleObject(thread.stop_event_, thread.period_ms_) == WAIT_TIMEOUT)
    thread.tick_(thread.context_);
  return 0;
}

}  // namespace far_tolvane
