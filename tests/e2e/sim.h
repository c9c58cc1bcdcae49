// The host simulator: loads the real plugin DLL under Wine, hands it the host model's table and
// plays whole user scenarios against real directories, registry and key state.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e/sim_memory.h"
#include "host_core/plugin_module.h"
#include "host_model/host_model.h"

namespace sim {

// One loaded copy of the plugin, freed at the end of the scenario so the next starts clean.
class plugin : public host_core::plugin_module {
 public:
  explicit plugin(const std::string& dll_path) { load(dll_path); }
  FARPROC export_named(const char* name) const { return entry(name); }
  far_host::HANDLE open() { return plugin_module::open(0, 0); }
};

struct context {
  std::string dll_path;
  std::string root;  // a scratch directory of real folders, made anew for each scenario
  host_model::model* host = nullptr;
  int failures = 0;

  void check(bool ok, const char* what, const char* file, int line);
  std::string dir(const std::string& name) const { return root + "\\" + name; }
  void make_dir(const std::string& name, std::vector<std::string> files = {});
  // Starts the plugin with both panels on the named folders, the left one focused.
  void panels(const std::string& left, const std::string& right);
};

#define CHECK(cond) ctx.check((cond), #cond, __FILE__, __LINE__)

struct scenario {
  const char* name;
  void (*run)(context& ctx);
};

std::vector<scenario>& registry();

struct registrar {
  registrar(const char* name, void (*run)(context&)) { registry().push_back({name, run}); }
};

#define SCENARIO(name)                                 \
  static void name(sim::context& ctx);                 \
  static sim::registrar name##_registrar(#name, name); \
  static void name(sim::context& ctx)

// The key-macro area the plugin uses for the default user.
extern const char key_macro_area[];
void delete_registry_tree(const std::string& path);

}  // namespace sim
