// The plugin's own copy of the host's API table, and what it tells of the host.
#pragma once

#include "binding/texts.h"
#include "host/far_api.h"

namespace far_tolvane {

// All zero until the host's table has been accepted; its FSF points at `host_standard_functions`.
extern far_host::PluginStartupInfo host_api;
extern far_host::FarStandardFunctions host_standard_functions;

// The host's version word once asked; 0 until then, and again for each new table.
extern unsigned host_version_word;
// Whether the host leaves a panel command's result undrawn while a dialog covers the panels, as
// FAR 1.75 does (FAR 1.70 and FAR 3 draw it); the host's version is asked once.
bool host_hides_panels_under_dialogs();
// Whether the host sends DN_ENTERIDLE while a dialog waits, as FAR 1.7x do and FAR 3 does not.
bool host_sends_idle_notices();

}  // namespace far_tolvane
