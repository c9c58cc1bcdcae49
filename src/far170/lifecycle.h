// What the five exports do: the version gate, start-up, opening and shut-down, in their order.
#pragma once

#include "host/far_api.h"

namespace far_tolvane {

int get_min_far_version();
void set_startup_info(const far_host::PluginStartupInfo* info);
void get_plugin_info(far_host::PluginInfo* info);
far_host::HANDLE open_plugin(int open_from, int item);
void exit_far();

// True from the start of set_startup_info until a large enough table has been accepted.
bool is_host_too_old();

}  // namespace far_tolvane
