// What FAR 3's six exports do: identity, start-up, menu, opening, shut-down and the synchro
// notices that wake the quick-switch form.
#pragma once

#include "host/far3_api.h"

namespace far_tolvane {

void get_global_info(far3_host::GlobalInfo* info);
void set_startup_info(const far3_host::PluginStartupInfo* info);
void get_plugin_info(far3_host::PluginInfo* info);
// Always null: the plugin opens no panel of its own.
far3_host::HANDLE open(const far3_host::OpenInfo* info);
void exit_far(const far3_host::ExitInfo* info);
std::intptr_t process_synchro_event(const far3_host::ProcessSynchroEventInfo* info);

}  // namespace far_tolvane
