// The plugin's views and its list over the host's life: made at start-up, shown at each opening,
// gone at shut-down. Each host binding calls these from its entry points.
#pragma once

namespace far_tolvane {

// The two views of the panels, the slots and the list; what memory does not allow now, the first
// opening that can makes.
void start_session();
// False when the list cannot be shown; otherwise the slots follow the panels as they are now.
bool prepare_opening();
void run_opening();
void end_session();

}  // namespace far_tolvane
