#include "plugin/host_api.h"

namespace far_tolvane {

far_host::PluginStartupInfo host_api{};
far_host::FarStandardFunctions host_standard_functions{};

const char* GetMsg(int id) { return host_api.GetMsg(host_api.ModuleNumber, id); }

}  // namespace far_tolvane
