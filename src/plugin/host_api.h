// The plugin's own copy of the host's API table, and the text lookup every part shows text with.
#pragma once

#include "host/far_api.h"

namespace far_tolvane {

// All zero until the host's table has been accepted; its FSF points at `host_standard_functions`.
extern far_host::PluginStartupInfo host_api;
extern far_host::FarStandardFunctions host_standard_functions;

const char* GetMsg(int id);

}  // namespace far_tolvane
