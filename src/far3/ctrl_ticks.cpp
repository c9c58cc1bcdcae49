// Wake-ups for the quick-switch form. FAR 3 never calls a waiting dialog by itself, and under
// Wine a terminal's Ctrl reaches only GetKeyState: while the form is open, a thread of the
// plugin's own asks FAR for a synchro notice every 50 ms, which FAR delivers on its main thread
// between input events; the list then looks at Ctrl there. The thread touches nothing but
// ACTL_SYNCHRO, which FAR allows from any thread, and it ends before the list closes.
#include "binding/keys.h"
#include "far3/host_api.h"
#include "host/windows_api.h"

namespace far_tolvane {

namespace {

constexpr DWORD period_ms = 50;

class synchro_ticks {
 public:
  synchro_ticks() = default;
  synchro_ticks(const synchro_ticks&) = delete;
  synchro_ticks& operator=(const synchro_ticks&) = delete;
  ~synchro_ticks() { stop(); }

  void start() {
    if (thread_) return;
    stop_event_ = CreateEventA(nullptr, 1, 0, nullptr);
    if (!stop_event_) return;
    thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
    if (thread_) return;
    CloseHandle(stop_event_);
    stop_event_ = nullptr;
  }

  void stop() {
    if (!thread_) return;
    SetEvent(stop_event_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(stop_event_);
    thread_ = stop_event_ = nullptr;
  }

 private:
  static DWORD WINAPI run(void* self) {
    const auto& ticks = *static_cast<const synchro_ticks*>(self);
    while (WaitForSingleObject(ticks.stop_event_, period_ms) == WAIT_TIMEOUT)
      host_api.AdvControl(&plugin_guid, far3_host::ACTL_SYNCHRO, 0, nullptr);
    return 0;
  }

  HANDLE stop_event_ = nullptr;
  HANDLE thread_ = nullptr;
};

synchro_ticks list_ticks;

}  // namespace

void start_ctrl_watch() { list_ticks.start(); }

void stop_ctrl_watch() { list_ticks.stop(); }

}  // namespace far_tolvane
