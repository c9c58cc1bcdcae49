// The try host: two panels on real directories, the plugins menu, and the real plugin loaded
// from its DLL, answered through the host's API table as the file manager would answer it.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/key_source.h"
#include "app/window.h"
#include "console/frame.h"
#include "console/terminal.h"
#include "help/help_file.h"
#include "host/far_api.h"
#include "keys/ctrl_hold.h"
#include "panels/panel.h"
#include "panels/panel_control.h"
#include "plugin/host_table.h"
#include "plugin/plugin_module.h"

namespace try_host {

class dialog_window;

struct options {
  std::string dll;
  std::wstring left, right;
  std::string language = "English";  // the name on the .Language line of the files to use
  bool playback = false;
  std::vector<played_key> keys;
  bool screens = false;  // print each played screen as text instead of drawing on the terminal
};

struct event {
  enum kind_t { key, idle, quit } kind;
  far_host::key_code code = 0;
};

class host_app {
 public:
  explicit host_app(options settings);
  host_app(const host_app&) = delete;
  host_app& operator=(const host_app&) = delete;

  int run();

  // The host's API table, reached through plugin/host_table.
  const char* get_msg(int id) const;
  int message(far_host::DWORD flags, const char* help, const char* const* items, int count,
              int buttons);
  int control(far_host::HANDLE handle, int command, void* param);
  int adv_control(int command, void* param);
  int dialog_ex(int x1, int y1, int x2, int y2, const char* help, far_host::FarDialogItem* items,
                int count, far_host::DWORD flags, far_host::FARWINDOWPROC proc,
                far_host::LONG_PARAM param);
  far_host::LONG_PARAM send_dlg_message(far_host::HANDLE handle, int msg, int param1,
                                        far_host::LONG_PARAM param2);
  far_host::LONG_PARAM def_dlg_proc(far_host::HANDLE handle, int msg, int param1,
                                    far_host::LONG_PARAM param2);

  // What the host's windows use while they run.
  event next_event();
  void redraw();
  int width() const { return screen_.width(); }
  int height() const { return screen_.height(); }
  std::wstring plugin_text(const std::string& text) const;
  void show_help(const std::string& topic);
  void open_window(window* shown) { windows_.push_back(shown); }
  void close_window(window* shown);

 private:
  void start_panels();
  bool load_plugin();
  void panel_key(far_host::key_code key);
  void file_panel_key(panel& target, far_host::key_code key);
  void tree_panel_key(panel& target, far_host::key_code key);
  void toggle_special(panel_kind kind);
  void plugins_menu();
  void sync_ctrl();
  void compose();
  void draw_title();
  void draw_command_line();
  void draw_key_bar();
  void print_screen(const std::string& label);

  options options_;
  terminal console_;
  HANDLE text_out_;
  std::unique_ptr<key_source> keys_;
  ctrl_hold hold_;
  bool ctrl_shown_ = false;
  frame screen_;
  panel panels_[2];
  int active_ = 0;
  panel_control control_;
  plugin_module plugin_;
  host_table table_;
  std::vector<std::string> texts_;
  help_file help_;
  unsigned code_page_;
  std::vector<window*> windows_;
  std::vector<dialog_window*> dialogs_;
  std::deque<far_host::key_code> posted_;
  bool quitting_ = false;
  bool last_idle_ = false;
};

}  // namespace try_host
