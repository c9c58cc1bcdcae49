// The try host: the host core's panels on real folders and its dialogs, drawn on the terminal,
// with the plugins menu, the help viewer and the host's panel keys; the real plugin loaded from
// its DLL.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/far3_screen_table.h"
#include "app/key_source.h"
#include "console/frame.h"
#include "console/terminal.h"
#include "console/window.h"
#include "dialogs/dialog_window.h"
#include "host_core/ctrl_hold.h"
#include "host_core/help_file.h"
#include "host_core/host.h"
#include "host_core/plugin_module.h"

namespace try_host {

struct options {
  std::string dll;
  std::string left, right;           // in the file APIs' code page
  std::string language = "English";  // the name on the .Language line of the files to use
  bool playback = false;
  std::vector<played_key> keys;
  bool screens = false;  // print each played screen as text instead of drawing on the terminal
  // The DLL is a FAR 3 plugin, run through FAR 3's own table: names and texts in UTF-8.
  bool far3 = false;
};

class host_app : public host_core::host, public window_host {
 public:
  explicit host_app(options settings);

  int run();

  int message(far_host::DWORD flags, const char* help, const char* const* items, int count,
              int buttons) override;

  host_core::event next_event() override;
  void redraw() override;
  far_host::COORD screen_size() const override;
  void show_help(const std::string& topic) override;
  int width() const override { return screen_.width(); }
  int height() const override { return screen_.height(); }
  std::wstring text(const std::string& plugin_text) const override;
  void open_window(window* shown) override { windows_.push_back(shown); }
  void close_window(window* shown) override;

 protected:
  bool read_folder(const std::string& dir, std::vector<host_core::panel_item>& items) override;
  host_core::dialog& open_dialog(const host_core::dialog_request& request) override;
  void close_dialog(host_core::dialog& shown) override;

 private:
  void start_plugin();
  void start_far3_plugin();
  std::vector<std::wstring> plugin_menu_strings();
  void open_plugin(int item);
  void exit_plugin();
  // Whether the window on top is a FAR 3 dialog, which takes the console's records.
  bool records_wanted() const;
  void await_synchro();
  void lay_out();
  void resize();
  void panel_key(far_host::key_code key);
  void file_panel_key(host_core::panel& target, far_host::key_code key);
  void tree_panel_key(host_core::panel& target, far_host::key_code key);
  void go_up(host_core::panel& target);
  void toggle_special(host_core::panel_kind kind);
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
  host_core::ctrl_hold hold_;
  bool ctrl_shown_ = false;
  frame screen_;
  host_core::plugin_module plugin_;
  far_host::PluginStartupInfo table_{};
  std::unique_ptr<far3_screen_table> far3_;
  far3_host::PluginInfo far3_info_{};
  // A key's release, which follows its press to a FAR 3 dialog.
  std::deque<host_core::record_bytes> releases_;
  host_core::help_file help_;
  unsigned code_page_;
  std::vector<window*> windows_;
  std::vector<std::unique_ptr<dialog_window>> dialogs_;
  bool quitting_ = false;
  bool last_idle_ = false;
};

}  // namespace try_host
