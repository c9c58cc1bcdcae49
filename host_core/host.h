// The host as a plugin sees it through its API table: two panels, modal dialogs with list boxes,
// messages, posted keys, the plugin's texts. The test rigs add their key feed and call log, the
// try host its terminal and drawing.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "host/far_api.h"
#include "host_core/dialog.h"
#include "host_core/panel.h"

namespace host_core {

// The version this host claims by default, in the host's version word.
constexpr int host_version = host_ways{}.version;

class host : public dialog_host {
 public:
  host();
  ~host() override;
  host(const host&) = delete;
  host& operator=(const host&) = delete;

  // The table handed to the plugin, which must outlive its use: every entry calls this host,
  // the last one made.
  far_host::PluginStartupInfo startup_info(const std::string& module_name, int module_number = 0,
                                           int struct_size = sizeof(far_host::PluginStartupInfo));

  panel& active_panel() { return panels[active]; }
  panel& passive_panel() { return panels[1 - active]; }
  // Moves a panel to a folder as the host would; false, with nothing changed, when it cannot.
  bool change_dir(panel& target, const std::string& dir);
  void reread(panel& target);
  // The screen shows both panels as they are now.
  void draw_panels();
  // The running dialog that a handle names, or null.
  dialog* open_dialog_of(far_host::HANDLE handle) const;

  // The API table's entries.
  virtual const char* get_msg(int id);
  virtual int message(far_host::DWORD flags, const char* help, const char* const* items, int count,
                      int buttons) = 0;
  virtual int control(far_host::HANDLE panels_handle, int command, void* param);
  virtual int adv_control(int command, void* param);
  virtual int dialog_ex(int x1, int y1, int x2, int y2, const char* help,
                        far_host::FarDialogItem* items, int count, far_host::DWORD flags,
                        far_host::FARWINDOWPROC proc, far_host::LONG_PARAM param);
  virtual far_host::LONG_PARAM send_dlg_message(far_host::HANDLE handle, int msg, int param1,
                                                far_host::LONG_PARAM param2);
  far_host::LONG_PARAM def_dlg_proc(far_host::HANDLE handle, int msg, int param1,
                                    far_host::LONG_PARAM param2);

  panel panels[2];
  int active = 0;
  std::vector<std::string> texts;         // the plugin's language file, in id order
  std::vector<dialog*> open_dialogs;      // the running ones, innermost last
  std::deque<far_host::key_code> posted;  // keys the plugin posted, played after its dialogs
  // Calls that gave a parameter or a list line's field the host reserves anything but the 0 it
  // asks for, as "DM_REDRAW 1 0": a later host may read it.
  std::vector<std::string> reserved_not_zero;
  far_host::FarStandardFunctions standard_functions{};

 protected:
  // Where the panels' items come from.
  virtual bool read_folder(const std::string& dir, std::vector<panel_item>& items) = 0;
  // A dialog for DialogEx, shown until close_dialog; by default the host keeps it meanwhile.
  virtual dialog& open_dialog(const dialog_request& request);
  virtual void close_dialog(dialog& shown);

 private:
  folder_reader reader();

  panel_report report_;
  std::vector<std::unique_ptr<dialog>> own_dialogs_;
};

}  // namespace host_core
