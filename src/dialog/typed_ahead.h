// Keys the user typed faster than the host hands them over.
#pragma once

namespace far_tolvane {

// Whether another cursor step (a cursor key, Ctrl with the key under Esc, a wheel turn) already
// waits in the console's input. A step that another follows at once skips its preview: in a big
// folder each preview costs the host seconds. Hosts that feed keys without a console have none
// waiting, and input that is no cursor step, which a host that does not read the console may
// leave there, never puts a preview off.
bool cursor_step_waiting();

}  // namespace far_tolvane
