#include "host_core/host.h"

#include <algorithm>
#include <cstring>

#include "host_core/key_names.h"

namespace host_core {

using namespace far_host;

namespace {

host* current = nullptr;

const char* FARAPI table_get_msg(int, int id) { return current->get_msg(id); }
int FARAPI table_message(int, DWORD flags, const char* help, const char* const* items, int count,
                         int buttons) {
  return current->message(flags, help, items, count, buttons);
}
int FARAPI table_control(HANDLE handle, int command, void* param) {
  return current->control(handle, command, param);
}
int FARAPI table_adv_control(int, int command, void* param) {
  return current->adv_control(command, param);
}
int FARAPI table_dialog_ex(int, int x1, int y1, int x2, int y2, const char* help,
                           FarDialogItem* items, int count, DWORD reserved, DWORD flags,
                           FARWINDOWPROC proc, LONG_PARAM param) {
  if (reserved) current->reserved_not_zero.emplace_back("DialogEx reserved");
  return current->dialog_ex(x1, y1, x2, y2, help, items, count, flags, proc, param);
}
LONG_PARAM FARAPI table_send_dlg_message(HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  return current->send_dlg_message(handle, msg, param1, param2);
}
LONG_PARAM FARAPI table_def_dlg_proc(HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  return current->def_dlg_proc(handle, msg, param1, param2);
}
int FARAPI table_name_to_key(const char* name) { return name_to_key(name); }
char* FARAPI table_trunc_path(char* text, int max_length) { return trunc_path(text, max_length); }

}  // namespace

host::host() {
  standard_functions.StructSize = sizeof standard_functions;
  standard_functions.FarNameToKey = table_name_to_key;
  standard_functions.TruncPathStr = table_trunc_path;
}

host::~host() {
  if (current == this) current = nullptr;
}

PluginStartupInfo host::startup_info(const std::string& module_name, int module_number,
                                     int struct_size) {
  current = this;
  PluginStartupInfo info{};
  info.StructSize = struct_size;
  std::strncpy(info.ModuleName, module_name.c_str(), sizeof info.ModuleName - 1);
  info.ModuleNumber = module_number;
  info.RootKey = "Software\\Far\\Plugins";
  info.Message = table_message;
  info.GetMsg = table_get_msg;
  info.Control = table_control;
  info.FSF = &standard_functions;
  info.AdvControl = table_adv_control;
  info.DialogEx = table_dialog_ex;
  info.SendDlgMessage = table_send_dlg_message;
  info.DefDlgProc = table_def_dlg_proc;
  return info;
}

folder_reader host::reader() {
  return [this](const std::string& dir, std::vector<panel_item>& items) {
    return read_folder(dir, items);
  };
}

bool host::change_dir(panel& target, const std::string& dir) {
  return target.change_dir(dir, reader());
}

void host::reread(panel& target) { target.reread(reader()); }

void host::draw_panels() {
  for (panel& side : panels) side.drawn_dir = side.dir;
}

dialog* host::open_dialog_of(HANDLE handle) const {
  for (dialog* shown : open_dialogs)
    if (shown == handle) return shown;
  return nullptr;
}

const char* host::get_msg(int id) {
  if (id < 0 || id >= static_cast<int>(texts.size())) return "";
  return texts[id].c_str();
}

int host::control(HANDLE panels_handle, int command, void* param) {
  if (panels_handle != invalid_handle || (!param && command != FCTL_REDRAWPANEL)) return 0;
  if (command == FCTL_GETPANELINFO || command == FCTL_GETANOTHERPANELINFO) {
    const int side = command == FCTL_GETANOTHERPANELINFO ? 1 - active : active;
    panels[side].report(side == active, side == 0, report_, *static_cast<PanelInfo*>(param));
    return 1;
  }
  const int done = active_panel().command(command, param, reader());
  if (command == FCTL_REDRAWPANEL && (ways.panels_drawn_under_dialogs || open_dialogs.empty()))
    draw_panels();
  return done;
}

int host::adv_control(int command, void* param) {
  if (command == ACTL_GETFARVERSION) return ways.version;
  if (command == ACTL_REDRAWALL) {
    if ((ways.version & 0xFFFF) == ((1 << 8) | 70)) return 0;  // FAR 1.70 has no such command
    draw_panels();
    return 1;
  }
  if (command != ACTL_POSTKEYSEQUENCE || !param) return 0;
  const auto& sequence = *static_cast<const KeySequence*>(param);
  for (int i = 0; i < sequence.Count; ++i) posted.push_back(sequence.Sequence[i]);
  return 1;
}

int host::dialog_ex(int x1, int y1, int x2, int y2, const char* help, FarDialogItem* items,
                    int count, DWORD flags, FARWINDOWPROC proc, LONG_PARAM param) {
  dialog& shown = open_dialog({x1, y1, x2, y2, help ? help : "", items, count, flags, proc});
  open_dialogs.push_back(&shown);
  const int code = shown.run(param);
  open_dialogs.pop_back();
  close_dialog(shown);
  return code;
}

dialog& host::open_dialog(const dialog_request& request) {
  own_dialogs_.push_back(std::make_unique<dialog>(*this, request));
  return *own_dialogs_.back();
}

void host::close_dialog(dialog& shown) {
  own_dialogs_.erase(std::remove_if(own_dialogs_.begin(), own_dialogs_.end(),
                                    [&](const auto& owned) { return owned.get() == &shown; }),
                     own_dialogs_.end());
  draw_panels();
  redraw();
}

LONG_PARAM host::send_dlg_message(HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  dialog* target = open_dialog_of(handle);
  return target ? target->message(msg, param1, param2) : 0;
}

LONG_PARAM host::def_dlg_proc(HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  return open_dialog_of(handle) ? dialog::default_proc(msg, param1, param2) : 0;
}

}  // namespace host_core
