// The plugin's DLL: loading, the version gate and its five entry points.
#pragma once

#include <windows.h>
#undef DefDlgProc

#include <string>
#include <vector>

#include "host/far_api.h"

namespace try_host {

// The version this host claims: 1.70 build 2087, in the host's version word.
constexpr int host_version = (2087 << 16) | (1 << 8) | 70;

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
  // 0 when the plugin does not ask.
  int min_far_version() const;
  void set_startup_info(const far_host::PluginStartupInfo& info);
  std::vector<std::string> menu_strings();
  void open(int from, int item);
  void exit_far();
  void unload();

 private:
  FARPROC entry(const char* name) const;
  HMODULE module_ = nullptr;
};

}  // namespace try_host
