// The table of host operations handed to the plugin at start-up; every entry forwards to the
// one running host.
#pragma once

#include <string>

#include "host/far_api.h"

namespace try_host {

class host_app;

struct host_table {
  far_host::PluginStartupInfo info;
  far_host::FarStandardFunctions functions;
};

// The full table of 372 bytes with its 228-byte standard functions; slots the host does not
// offer are null.
void make_host_table(host_app& host, const std::string& module_name, int module_number,
                     host_table& table);

}  // namespace try_host
