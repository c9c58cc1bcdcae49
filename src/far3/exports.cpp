// The six entry points FAR 3 looks up by their plain names, and the library's entry.
#include "far3/lifecycle.h"
#include "host/windows_api.h"

extern "C" {

__declspec(dllexport) void WINAPI GetGlobalInfoW(far3_host::GlobalInfo* info) {
  far_tolvane::get_global_info(info);
}

__declspec(dllexport) void WINAPI SetStartupInfoW(const far3_host::PluginStartupInfo* info) {
  far_tolvane::set_startup_info(info);
}

__declspec(dllexport) void WINAPI GetPluginInfoW(far3_host::PluginInfo* info) {
  far_tolvane::get_plugin_info(info);
}

__declspec(dllexport) HANDLE WINAPI OpenW(const far3_host::OpenInfo* info) {
  return far_tolvane::open(info);
}

__declspec(dllexport) void WINAPI ExitFARW(const far3_host::ExitInfo* info) {
  far_tolvane::exit_far(info);
}

__declspec(dllexport) intptr_t WINAPI
    ProcessSynchroEventW(const far3_host::ProcessSynchroEventInfo* info) {
  return far_tolvane::process_synchro_event(info);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
}
