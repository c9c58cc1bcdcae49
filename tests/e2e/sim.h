// The host simulator: loads the real plugin DLL under Wine, hands it the host model's table and
// plays whole user scenarios against real directories, registry and key state.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "e2e/sim_memory.h"
#include "e2e/simulator.h"
#include "host_core/plugin_module.h"

namespace sim {

// One loaded copy of the plugin, freed at the end of the scenario so the next starts clean.
class plugin : public host_core::plugin_module {
 public:
  explicit plugin(const std::string& dll_path) { load(dll_path); }
  FARPROC export_named(const char* name) const { return entry(name); }
  far_host::HANDLE open() { return plugin_module::open(0, 0); }
};

struct context : context_base {
  void make_dir(const std::string& name, std::vector<std::string> files = {});
  // Starts the plugin with both panels on the named folders, the left one focused.
  void panels(const std::string& left, const std::string& right);
};

#define SCENARIO(name) SIM_SCENARIO(sim::context, name)

// The key-macro area the plugin uses for the default user.
extern const char key_macro_area[];
void delete_registry_tree(const std::string& path);

}  // namespace sim
