#include "plugin/plugin_module.h"

namespace try_host {

namespace {

template <typename Function>
Function as(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

// Major and minor sit in the low word, the build in the high word.
bool needs_newer_host(int min_version) {
  const auto wanted = static_cast<unsigned>(min_version),
             have = static_cast<unsigned>(host_version);
  const unsigned wanted_release = wanted & 0xFFFF, have_release = have & 0xFFFF;
  if (wanted_release != have_release) return wanted_release > have_release;
  return (wanted >> 16) > (have >> 16);
}

bool plugin_module::load(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
  return module_ != nullptr;
}

std::string plugin_module::path() const {
  char name[MAX_PATH] = "";
  if (module_) GetModuleFileNameA(module_, name, sizeof name);
  return name;
}

FARPROC plugin_module::entry(const char* name) const {
  return module_ ? GetProcAddress(module_, name) : nullptr;
}

int plugin_module::min_far_version() const {
  FARPROC get = entry("GetMinFarVersion");
  return get ? as<int(WINAPI*)()>(get)() : 0;
}

void plugin_module::set_startup_info(const far_host::PluginStartupInfo& info) {
  if (FARPROC set = entry("SetStartupInfo"))
    as<void(WINAPI*)(const far_host::PluginStartupInfo*)>(set)(&info);
}

std::vector<std::string> plugin_module::menu_strings() {
  std::vector<std::string> strings;
  FARPROC get = entry("GetPluginInfo");
  if (!get) return strings;
  far_host::PluginInfo info{};
  info.StructSize = sizeof info;
  as<void(WINAPI*)(far_host::PluginInfo*)>(get)(&info);
  for (int i = 0; i < info.PluginMenuStringsNumber; ++i)
    strings.emplace_back(info.PluginMenuStrings[i] ? info.PluginMenuStrings[i] : "");
  return strings;
}

void plugin_module::open(int from, int item) {
  if (FARPROC entry_point = entry("OpenPlugin"))
    as<HANDLE(WINAPI*)(int, int)>(entry_point)(from, item);
}

void plugin_module::exit_far() {
  if (FARPROC exit = entry("ExitFAR")) as<void(WINAPI*)()>(exit)();
}

void plugin_module::unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
}

}  // namespace try_host
