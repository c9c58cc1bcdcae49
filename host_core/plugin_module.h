// The plugin's DLL: loading, the version gate, its entry points (API 1.70's five, FAR 3's six)
// and the language and help files beside it.
#pragma once

#include <windows.h>
#undef DefDlgProc

#include <string>
#include <vector>

#include "host/far3_api.h"
#include "host/far_api.h"
#include "host_core/host.h"

namespace host_core {

// The host's code for an opening from the plugins menu.
constexpr int open_from_plugins_menu = 1;

// True when a version word asks for more than this host is.
bool needs_newer_host(int min_version);

class plugin_module {
 public:
  plugin_module() = default;
  plugin_module(const plugin_module&) = delete;
  plugin_module& operator=(const plugin_module&) = delete;
  ~plugin_module() { unload(); }

  bool load(const std::string& path);
  bool loaded() const { return module_ != nullptr; }
  // The full path the system loaded the DLL from.
  std::string path() const;
  // The file of the kind ("lng", "hlf") written for the language, found as the host finds it:
  // by the .Language line of each such file beside the DLL; empty when there is none.
  std::string language_file(const std::string& extension, const std::string& language) const;

  FARPROC entry(const char* name) const;
  // 0 when the plugin does not ask.
  int min_far_version() const;
  void set_startup_info(const far_host::PluginStartupInfo& info);
  void get_plugin_info(far_host::PluginInfo& info);
  std::vector<std::string> menu_strings();
  // What OpenPlugin returned; INVALID_HANDLE_VALUE also when the plugin has no such entry.
  far_host::HANDLE open(int from, int item);
  void exit_far();
  void unload();

  // A native FAR 3 plugin's entry points; each does nothing when the DLL lacks it, as FAR 3
  // does (GetGlobalInfoW's absence makes it no native plugin at all).
  bool is_far3_plugin() const { return entry("GetGlobalInfoW") != nullptr; }
  void get_global_info(far3_host::GlobalInfo& info);
  void set_startup_info(const far3_host::PluginStartupInfo& info);
  void get_plugin_info(far3_host::PluginInfo& info);
  // What OpenW returned; null also when the plugin has no such entry.
  far3_host::HANDLE open(const far3_host::OpenInfo& info);
  void exit_far(const far3_host::ExitInfo& info);
  void process_synchro_event(const far3_host::ProcessSynchroEventInfo& info);

 private:
  HMODULE module_ = nullptr;
};

}  // namespace host_core
