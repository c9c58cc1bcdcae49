// The FAR 3 host simulator: loads the real FAR 3 DLL of this build's width under Wine, hands it
// FAR 3's table over the host model, and plays whole user scenarios against real folders with
// Unicode and long names, real key state and the plugin's real thread.
#pragma once

#include <windows.h>
#undef DefDlgProc

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "e2e/sim_memory.h"
#include "e2e/simulator.h"
#include "host_core/far3_table.h"
#include "host_core/plugin_module.h"

namespace sim3 {

// FAR 3's table as the simulator watches it: each call logged in FAR 3's names, and each
// ACTL_SYNCHRO with its time and thread, which the plugin's own thread sends.
class watched_table : public host_core::far3_table {
 public:
  explicit watched_table(host_model::model& host);

  struct synchro_call {
    double ms;  // since the simulator started
    DWORD thread;
  };
  struct run_end {
    double ms;
    std::size_t synchro_calls;  // ACTL_SYNCHRO calls by then
  };

  std::intptr_t adv_control(const far3_host::GUID* plugin, int command, std::intptr_t param1,
                            void* param2) override;
  std::intptr_t dialog_run(far3_host::HANDLE handle) override;

  std::vector<std::string> calls(const std::string& prefix, std::size_t from = 0) const;
  std::size_t log_size() const;
  std::vector<synchro_call> synchro_calls() const;
  std::vector<run_end> run_ends() const;

 protected:
  // Also called on the plugin's thread.
  void note(const std::string& entry) override;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> log_;
  std::vector<synchro_call> synchro_;
  std::vector<run_end> run_ends_;
};

double now_ms();
// Wine reaches a path of any length; Windows, without the prefix that lifts it, none past its
// classic limit. The DLL's GetFileAttributesW is made to keep to that limit.
void keep_to_classic_path_limit(HMODULE dll);
// Calls to it so far that were refused for the limit.
int refused_long_paths();
// Threads of this process now.
int thread_count();

struct context;

// One loaded copy of the plugin, unloaded at the end of the scenario so the next starts clean.
class plugin : public host_core::plugin_module {
 public:
  explicit plugin(context& ctx);
  ~plugin();
  plugin(const plugin&) = delete;
  plugin& operator=(const plugin&) = delete;

  // What FAR 3 does at its start: GetGlobalInfoW, SetStartupInfoW, GetPluginInfoW.
  void start();
  // F11 and the plugin's entry: the panels wait first, and again once OpenW has returned.
  far3_host::HANDLE open();
  // ExitFARW.
  void exit();

  far3_host::GlobalInfo global{};
  far3_host::PluginInfo info{};

 private:
  context& ctx_;
};

struct context : sim::context_base {
  watched_table* far3 = nullptr;
  // How long an idle moment of the host lasts: the plugin's thread runs meanwhile.
  int idle_ms = 20;

  // A real folder under the root, made with the wide calls (whatever its length), and files
  // in it.
  void make_dir(const std::string& name, const std::vector<std::string>& files = {});
  // Both panels on the named folders, the left one focused.
  void panels(const std::string& left, const std::string& right);
  // The list's dialog, the last one run with the list's help topic; null before any.
  host_core::far3_dialog* list() const;
};

#define SCENARIO(name) SIM_SCENARIO(sim3::context, name)

}  // namespace sim3
