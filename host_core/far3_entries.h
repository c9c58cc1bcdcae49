// The entries of FAR 3's table, set from a class's static functions named after them: the host
// model's table and the benchmark's metered copy of it give the plugin the same entries.
#pragma once

#include "host/far3_api.h"

namespace host_core {

template <typename Entries>
void set_far3_entries(far3_host::PluginStartupInfo& info) {
  info.GetMsg = Entries::get_msg;
  info.Message = Entries::message;
  info.PanelControl = Entries::panel_control;
  info.AdvControl = Entries::adv_control;
  info.DialogInit = Entries::dialog_init;
  info.DialogRun = Entries::dialog_run;
  info.DialogFree = Entries::dialog_free;
  info.SendDlgMessage = Entries::send_dlg_message;
  info.DefDlgProc = Entries::def_dlg_proc;
}

}  // namespace host_core
