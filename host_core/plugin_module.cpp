#include "host_core/plugin_module.h"

#include "host_core/language_files.h"

namespace host_core {

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
  unload();
  module_ = LoadLibraryA(path.c_str());
  return module_ != nullptr;
}

std::string plugin_module::path() const {
  char name[MAX_PATH] = "";
  if (module_) GetModuleFileNameA(module_, name, sizeof name);
  return name;
}

std::string plugin_module::language_file(const std::string& extension,
                                         const std::string& language) const {
  const std::string dll = path();
  const std::size_t cut = dll.find_last_of("\\/");
  const std::string folder = cut == std::string::npos ? "." : dll.substr(0, cut);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*." + extension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  std::string match;
  do {
    const std::string file = folder + "\\" + found.cFileName;
    if (language_of(file) == language) match = file;
  } while (match.empty() && FindNextFileA(search, &found));
  FindClose(search);
  return match;
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

void plugin_module::get_plugin_info(far_host::PluginInfo& info) {
  if (FARPROC get = entry("GetPluginInfo")) as<void(WINAPI*)(far_host::PluginInfo*)>(get)(&info);
}

std::vector<std::string> plugin_module::menu_strings() {
  std::vector<std::string> strings;
  far_host::PluginInfo info{};
  info.StructSize = sizeof info;
  get_plugin_info(info);
  for (int i = 0; i < info.PluginMenuStringsNumber; ++i)
    strings.emplace_back(info.PluginMenuStrings[i] ? info.PluginMenuStrings[i] : "");
  return strings;
}

far_host::HANDLE plugin_module::open(int from, int item) {
  FARPROC entry_point = entry("OpenPlugin");
  return entry_point ? as<far_host::HANDLE(WINAPI*)(int, int)>(entry_point)(from, item)
                     : far_host::invalid_handle;
}

void plugin_module::exit_far() {
  if (FARPROC exit = entry("ExitFAR")) as<void(WINAPI*)()>(exit)();
}

void plugin_module::get_global_info(far3_host::GlobalInfo& info) {
  if (FARPROC get = entry("GetGlobalInfoW")) as<void(WINAPI*)(far3_host::GlobalInfo*)>(get)(&info);
}

void plugin_module::set_startup_info(const far3_host::PluginStartupInfo& info) {
  if (FARPROC set = entry("SetStartupInfoW"))
    as<void(WINAPI*)(const far3_host::PluginStartupInfo*)>(set)(&info);
}

void plugin_module::get_plugin_info(far3_host::PluginInfo& info) {
  if (FARPROC get = entry("GetPluginInfoW")) as<void(WINAPI*)(far3_host::PluginInfo*)>(get)(&info);
}

far3_host::HANDLE plugin_module::open(const far3_host::OpenInfo& info) {
  FARPROC entry_point = entry("OpenW");
  return entry_point
             ? as<far3_host::HANDLE(WINAPI*)(const far3_host::OpenInfo*)>(entry_point)(&info)
             : nullptr;
}

void plugin_module::exit_far(const far3_host::ExitInfo& info) {
  if (FARPROC exit = entry("ExitFARW")) as<void(WINAPI*)(const far3_host::ExitInfo*)>(exit)(&info);
}

void plugin_module::process_synchro_event(const far3_host::ProcessSynchroEventInfo& info) {
  if (FARPROC process = entry("ProcessSynchroEventW"))
    as<std::intptr_t(WINAPI*)(const far3_host::ProcessSynchroEventInfo*)>(process)(&info);
}

void plugin_module::unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
}

}  // namespace host_core
