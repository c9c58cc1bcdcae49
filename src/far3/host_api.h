// The plugin's own copy of FAR 3's API table, and the plugin's identity in it.
#pragma once

#include "binding/texts.h"
#include "host/far3_api.h"

namespace far_tolvane {

// All zero until the host's table has been accepted; its FSF points at `host_standard_functions`.
extern far3_host::PluginStartupInfo host_api;
extern far3_host::FarStandardFunctions host_standard_functions;

// The plugin, its menu entry and its two dialogs, as FAR 3 and its macros know them.
extern const far3_host::GUID plugin_guid;
extern const far3_host::GUID menu_guid;
extern const far3_host::GUID list_dialog_guid;
extern const far3_host::GUID notice_dialog_guid;

}  // namespace far_tolvane
