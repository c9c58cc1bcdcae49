// What the Wine simulators of both APIs share: the context every scenario gets, its checks, the
// scenarios' registry and the main loop that runs, counts and prints them. Each API's simulator
// adds its own context, plugin and host.
#pragma once

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "host_model/host_model.h"

namespace sim {

// What a scenario's context holds whichever API its simulator speaks.
struct context_base {
  std::string dll_path;
  // A scratch folder, made anew for each scenario: in the ANSI code page for API 1.70, whose
  // simulator makes its folders with the narrow calls, in UTF-8 for FAR 3.
  std::string root;
  host_model::model* host = nullptr;
  int failures = 0;

  void check(bool ok, const char* what, const char* file, int line);
  std::string dir(const std::string& name) const { return root + "\\" + name; }
};

#define CHECK(cond) ctx.check((cond), #cond, __FILE__, __LINE__)

template <typename Context>
struct scenario {
  const char* name;
  void (*run)(Context& ctx);
};

template <typename Context>
std::vector<scenario<Context>>& registry() {
  static std::vector<scenario<Context>> all;
  return all;
}

template <typename Context>
struct registrar {
  registrar(const char* name, void (*run)(Context&)) { registry<Context>().push_back({name, run}); }
};

// A scenario of the simulator whose scenarios take a `Context`, registered as the program starts.
#define SIM_SCENARIO(Context, name)                             \
  static void name(Context& ctx);                               \
  static sim::registrar<Context> name##_registrar(#name, name); \
  static void name(Context& ctx)

// Prints how the program is called; answers main's code for it.
int usage(const char* program);
// The folder a file's path names; "." for a bare name.
std::string folder_of(const std::string& path);
// Removes the folder and everything in it.
void remove_tree(const std::wstring& dir);

struct run_settings {
  // The one scenario to run; null runs them all.
  const char* only = nullptr;
  // The scratch folder as the wide calls take it, made anew before each scenario and removed
  // after the last.
  std::wstring scratch;
  // The last line's name for the run: "e2e: N passed, M failed".
  std::string summary;
  // Puts back what the simulator's scenarios change outside the scratch folder, before each
  // scenario and after the last.
  std::function<void()> reset;
};

// Before each scenario: the scratch folder empty, Ctrl up, the simulator's own state reset.
void make_scratch(const run_settings& settings);
void remove_scratch(const run_settings& settings);

// Runs the registered scenarios, each through `run`, which answers its failures; prints each
// one's name, then FAILED and its name when it failed, and the summary last. Answers main's code.
template <typename Context>
int run_scenarios(const run_settings& settings,
                  const std::function<int(const scenario<Context>&)>& run) {
  int passed = 0, failed = 0;
  for (const auto& each : registry<Context>()) {
    if (settings.only && std::strcmp(settings.only, each.name) != 0) continue;
    make_scratch(settings);
    std::printf("%s\n", each.name);
    std::fflush(stdout);
    if (run(each)) {
      ++failed;
      std::printf("FAILED %s\n", each.name);
    } else {
      ++passed;
    }
    std::fflush(stdout);
  }
  remove_scratch(settings);
  std::printf("%s: %d passed, %d failed\n", settings.summary.c_str(), passed, failed);
  return failed ? 1 : 0;
}

}  // namespace sim
