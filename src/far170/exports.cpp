// The five entry points the host looks up by their plain names, and the library's entry.
#include "far170/lifecycle.h"
#include "host/windows_api.h"

extern "C" {

__declspec(dllexport) int WINAPI GetMinFarVersion() { return far_tolvane::get_min_far_version(); }

__declspec(dllexport) void WINAPI SetStartupInfo(const far_host::PluginStartupInfo* info) {
  far_tolvane::set_startup_info(info);
}

__declspec(dllexport) void WINAPI GetPluginInfo(far_host::PluginInfo* info) {
  far_tolvane::get_plugin_info(info);
}

__declspec(dllexport) HANDLE WINAPI OpenPlugin(int open_from, int item) {
  return far_tolvane::open_plugin(open_from, item);
}

__declspec(dllexport) void WINAPI ExitFAR() { far_tolvane::exit_far(); }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
}
