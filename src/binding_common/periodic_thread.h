// A thread of the plugin's own that calls one function at a fixed period until it is stopped.
// Both builds wake their waiting quick-switch form with one: a host that never calls a waiting
// dialog leaves nothing else to notice Ctrl going up.
#pragma once

#include "host/windows_api.h"

namespace far_tolvane {

class periodic_thread {
 public:
  using tick_function = void (*)(void* context);

  periodic_thread(DWORD period_ms, tick_function tick, void* context)
      : period_ms_(period_ms), tick_(tick), context_(context) {}
  periodic_thread(const periodic_thread&) = delete;
  periodic_thread& operator=(const periodic_thread&) = delete;
  ~periodic_thread() { stop(); }

  bool running() const { return thread_ != nullptr; }
  // Nothing when it runs already, or when the system refuses the thread.
  void start();
  // Ends the thread and waits for it.
  void stop();

 private:
  static DWORD WINAPI run(void* self);

  DWORD period_ms_;
  tick_function tick_;
  void* context_;
  HANDLE stop_event_ = nullptr;
  HANDLE thread_ = nullptr;
};

}  // namespace far_tolvane
