// Wake-ups for a host that never calls a waiting dialog by itself. FAR 3 sends no DN_ENTERIDLE,
// so nothing would call the quick-switch form when Ctrl goes up. While it is open, a thread of
// the plugin's own writes a Ctrl tap (press and release) into the console's input every 100 ms
// when the input is empty; the host hands it to the dialog as DN_KEY with Ctrl alone, and the
// dialog looks at the Ctrl key then. The thread touches nothing but the console's input, and it
// is ended before the dialog closes.
#pragma once

#include "binding_common/periodic_thread.h"

namespace far_tolvane {

class ctrl_wakeups {
 public:
  ctrl_wakeups();

  // Nothing when they already run, or when the host calls waiting dialogs itself.
  void start();
  // Ends the thread and waits for it.
  void stop() { thread_.stop(); }

 private:
  static void tap(void* self);

  HANDLE console_input_ = nullptr;
  periodic_thread thread_;
};

}  // namespace far_tolvane
