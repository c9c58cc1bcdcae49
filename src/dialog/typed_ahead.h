// Keys the user typed faster than the host hands them over.
#pragma once

namespace far_tolvane {

// Whether a key press already waits in the console's input. A cursor step that another key will
// follow at once skips its preview: in a big folder each preview costs the host seconds. Hosts
// that feed keys without a console have none waiting.
bool key_press_waiting();

}  // namespace far_tolvane
