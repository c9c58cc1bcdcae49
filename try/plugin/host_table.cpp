#include "plugin/host_table.h"

#include <cstring>

#include "app/host_app.h"
#include "host_model/host_functions.h"

namespace try_host {

using namespace far_host;

namespace {

host_app* running = nullptr;

const char* FARAPI get_msg(int, int id) { return running->get_msg(id); }
int FARAPI message(int, far_host::DWORD flags, const char* help, const char* const* items,
                   int count, int buttons) {
  return running->message(flags, help, items, count, buttons);
}
int FARAPI control(far_host::HANDLE handle, int command, void* param) {
  return running->control(handle, command, param);
}
int FARAPI adv_control(int, int command, void* param) {
  return running->adv_control(command, param);
}
int FARAPI dialog_ex(int, int x1, int y1, int x2, int y2, const char* help, FarDialogItem* items,
                     int count, far_host::DWORD, far_host::DWORD flags, FARWINDOWPROC proc,
                     LONG_PARAM param) {
  return running->dialog_ex(x1, y1, x2, y2, help, items, count, flags, proc, param);
}
LONG_PARAM FARAPI send_dlg_message(far_host::HANDLE handle, int msg, int param1,
                                   LONG_PARAM param2) {
  return running->send_dlg_message(handle, msg, param1, param2);
}
LONG_PARAM FARAPI def_dlg_proc(far_host::HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  return running->def_dlg_proc(handle, msg, param1, param2);
}
int FARAPI name_to_key(const char* name) { return host_model::name_to_key(name); }
char* FARAPI trunc_path(char* text, int max_length) {
  return host_model::trunc_path(text, max_length);
}

}  // namespace

void make_host_table(host_app& host, const std::string& module_name, int module_number,
                     host_table& table) {
  running = &host;
  table = host_table{};
  table.functions.StructSize = sizeof table.functions;
  table.functions.FarNameToKey = name_to_key;
  table.functions.TruncPathStr = trunc_path;

  PluginStartupInfo& info = table.info;
  info.StructSize = sizeof info;
  std::strncpy(info.ModuleName, module_name.c_str(), sizeof info.ModuleName - 1);
  info.ModuleNumber = module_number;
  info.RootKey = "Software\\Far\\Plugins";
  info.Message = message;
  info.GetMsg = get_msg;
  info.Control = control;
  info.FSF = &table.functions;
  info.AdvControl = adv_control;
  info.DialogEx = dialog_ex;
  info.SendDlgMessage = send_dlg_message;
  info.DefDlgProc = def_dlg_proc;
}

}  // namespace try_host
