// What the FAR 3 panels keep between calls: blocks FAR writes records and paths into.
#pragma once

namespace far_tolvane {

// Gives the blocks back, at ExitFAR: nothing of the plugin's outlasts it.
void release_panel_buffers();

}  // namespace far_tolvane
