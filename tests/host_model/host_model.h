// A model of the host as the plugin sees it through its API table: two panels, modal dialogs
// with a list box, a key feed, texts from the plugin's language file, key names and path
// shortening. Both test rigs use it: the native unit tests and the host simulator under Wine.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/far_api.h"
#include "host/key_codes.h"
#include "host_model/host_functions.h"

namespace host_model {

using far_host::DWORD;

struct panel {
  std::string dir;
  std::vector<far_host::PluginPanelItem> items;
  int view_mode = 2;
  int sort_mode = 1;
  bool reversed = false;
  int current = 0;
  int top = 0;
  far_host::RECT rect{};
  int type = far_host::PTYPE_FILEPANEL;
  int plugin = 0;

  void select(const std::string& name);
  std::vector<std::string> selected_names() const;
};

far_host::PluginPanelItem make_item(const std::string& name, DWORD attributes = 0);

// One event of the key feed; dialogs take them in order while they run.
struct event {
  enum kind_t { key, idle, ctrl_down, ctrl_up, action } kind;
  far_host::key_code code = 0;
  std::function<void()> run;
};

struct dialog {
  int x2 = 0, y2 = 0;
  std::string help_topic;
  DWORD flags = 0;
  std::vector<far_host::FarDialogItem> items;
  far_host::FARWINDOWPROC proc = nullptr;
  std::vector<far_host::FarListItem> list_lines;
  far_host::FarListPos list_pos{};
  far_host::COORD size{};
  int redraw_off = 0;
  bool closed = false;
  int exit_code = -1;

  std::vector<std::string> line_texts() const;
  // Whether every list line is plain printable text, as no garbage from a panel record is.
  bool lines_printable() const;
};

class model {
 public:
  model();
  ~model();
  model(const model&) = delete;
  model& operator=(const model&) = delete;

  // The host's table as the plugin receives it; the model answers every call through it.
  far_host::PluginStartupInfo startup_info(int struct_size = far_host::MIN_STARTUP_INFO_SIZE);

  // Texts in id order, read from a language file.
  bool load_language_file(const std::string& path);

  panel& active_panel() { return panels[active]; }
  panel& passive_panel() { return panels[1 - active]; }
  // Moves the panel to a directory the way the host would, reading it through list_dir.
  bool change_dir(panel& target, const std::string& dir);

  void key(far_host::key_code code) { feed.push_back({event::key, code, {}}); }
  void keys(std::initializer_list<far_host::key_code> codes) {
    for (auto code : codes) key(code);
  }
  void idle() { feed.push_back({event::idle, 0, {}}); }
  void ctrl(bool down) { feed.push_back({down ? event::ctrl_down : event::ctrl_up, 0, {}}); }
  void then(std::function<void()> run) { feed.push_back({event::action, 0, std::move(run)}); }

  // Calls whose kind starts with the prefix, e.g. "Control" or "DM_LISTSETCURPOS".
  std::vector<std::string> calls(const std::string& prefix) const;

  panel panels[2];
  int active = 0;
  std::vector<std::string> texts;
  std::deque<event> feed;
  std::vector<std::string> log;
  std::vector<std::unique_ptr<dialog>> dialogs;  // every dialog run, in order of opening
  std::vector<dialog*> open_dialogs;             // the running ones, innermost last
  std::vector<std::vector<DWORD>> posted_keys;
  std::vector<DWORD> posted_flags;
  std::vector<std::vector<std::string>> messages_shown;
  bool ran_dry = false;
  // Panel queries (FCTL_GETPANELINFO and FCTL_GETANOTHERPANELINFO) asked so far; the first is 1.
  int panel_queries = 0;
  // Given a query's number, says whether it fails. A failed query answers 0 and leaves garbage
  // in the record, as a busy host may: 0xCD bytes and a claim of 3 items behind a bad pointer.
  std::function<bool(int number)> fail_panel_query;

  // The rig's view of directories and of the Ctrl key.
  std::function<std::optional<std::vector<std::string>>(const std::string&)> list_dir;
  // Directories whose items a scenario makes up, texts and all, instead of list_dir's plain
  // names. A panel moved there gets a copy, in the room its items already have.
  std::map<std::string, std::vector<far_host::PluginPanelItem>> made_up_dirs;
  std::function<void(bool)> set_ctrl;

  dialog* last_dialog() const { return dialogs.empty() ? nullptr : dialogs.back().get(); }
  dialog* list_dialog() const;

  // Calls from the plugin, routed here by the table's entries.
  const char* get_msg(int id);
  int message(DWORD flags, const char* help, const char* const* items, int count, int buttons);
  int control(far_host::HANDLE panels_handle, int command, void* param);
  int adv_control(int command, void* param);
  int dialog_ex(int x1, int y1, int x2, int y2, const char* help, far_host::FarDialogItem* items,
                int count, DWORD flags, far_host::FARWINDOWPROC proc, far_host::LONG_PARAM param);
  far_host::LONG_PARAM send_dlg_message(far_host::HANDLE handle, int msg, int param1,
                                        far_host::LONG_PARAM param2);
  far_host::LONG_PARAM def_dlg_proc(far_host::HANDLE handle, int msg, int param1,
                                    far_host::LONG_PARAM param2);

  far_host::FarStandardFunctions standard_functions{};

 private:
  void fill_panel_info(const panel& source, bool focused, far_host::PanelInfo& info);
  static void fill_garbage(far_host::PanelInfo& info);
  bool close_dialog(dialog& target, int code);
  void default_key(dialog& target, far_host::key_code code);

  std::vector<far_host::PluginPanelItem> reported_items_;
};

}  // namespace host_model
