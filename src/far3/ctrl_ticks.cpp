// Wake-ups for the quick-switch form. FAR 3 never calls a waiting dialog by itself, and under
// Wine a terminal's Ctrl reaches only GetKeyState: while the form is open, a thread of the
// plugin's own asks FAR for a synchro notice every 50 ms, which FAR delivers on its main thread
// between input events; the list then looks at Ctrl there. The thread touches nothing but
// ACTL_SYNCHRO, which FAR allows from any thread, and it ends before the list closes.
#include "binding/keys.h"
#include "binding_common/periodic_thread.h"
#include "far3/host_api.h"

namespace far_tolvane {

namespace {

constexpr DWORD period_ms = 50;

void ask_for_synchro(void*) {
  host_api.AdvControl(&plugin_guid, far3_host::ACTL_SYNCHRO, 0, nullptr);
}

periodic_thread list_ticks(period_ms, ask_for_synchro, nullptr);

}  // namespace

void start_ctrl_watch() { list_ticks.start(); }

void stop_ctrl_watch() { list_ticks.stop(); }

}  // namespace far_tolvane
