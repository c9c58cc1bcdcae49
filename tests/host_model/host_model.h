// The test rigs' host: the host core with a scripted key feed, a log of the plugin's calls,
// panel queries that can be made to fail, and folders from the rig (a test's list, or made-up
// items). Both rigs use it: the native unit tests and the host simulator under Wine.
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
#include "host_core/host.h"
#include "host_core/input_record.h"

namespace host_core {
class far3_table;
}

namespace host_model {

using far_host::DWORD;
using host_core::dialog;
using host_core::make_item;
using host_core::panel;

// One event of the key feed; dialogs take them in order while they run. FAR 3's dialogs take
// console records (`input`), FAR 1.7x's key codes.
struct event {
  enum kind_t { key, wheel, idle, ctrl_down, ctrl_up, action, input } kind;
  far_host::key_code code = 0;
  std::function<void()> run;
  host_core::record_bytes record{};
};

// Whether every list line is plain printable text, as no garbage from a panel record is.
bool lines_printable(const dialog& shown);

class model;
// FAR 3's table over the model, whose calls go to its log.
std::unique_ptr<host_core::far3_table, void (*)(host_core::far3_table*)> make_far3_table(
    model& host);

class model : public host_core::host {
 public:
  model();

  // The host's table as the plugin receives it; the model answers every call through it.
  far_host::PluginStartupInfo startup_info(int struct_size = far_host::MIN_STARTUP_INFO_SIZE);
  // Texts in id order, read from a language file.
  bool load_language_file(const std::string& path);

  void key(far_host::key_code code) { feed.push_back({event::key, code, {}}); }
  void keys(std::initializer_list<far_host::key_code> codes) {
    for (auto code : codes) key(code);
  }
  // A turn of the mouse wheel over the dialog, named by its wheel key.
  void wheel(far_host::key_code code) { feed.push_back({event::wheel, code, {}}); }
  void idle() { feed.push_back({event::idle, 0, {}}); }
  void ctrl(bool down) { feed.push_back({down ? event::ctrl_down : event::ctrl_up, 0, {}}); }
  void then(std::function<void()> run) { feed.push_back({event::action, 0, std::move(run)}); }

  // FAR 3's records: a key as FAR names it ("Down", "Num2", "Ctrl`", "CtrlQ"), as a keyboard
  // of `layout` puts it into the console; "Ctrl" is a lone Ctrl's press and release.
  void press(const std::string& name);
  void input(const INPUT_RECORD& record);
  // A wheel turn over the dialog, 120 a notch, positive away from the user; a touchpad's small
  // turns are parts of a notch.
  void wheel_turn(int delta);
  // A left click on a cell of the screen; a double click when `twice`.
  void click(int x, int y, bool twice = false);
  // Ctrl going down or up in the console; GetKeyState hears of it only through ctrl().
  void ctrl_record(bool down);
  // The records at the feed's front, before any other event: what waits in the console.
  std::vector<INPUT_RECORD> waiting_input() const;

  // Calls whose kind starts with the prefix, e.g. "Control" or "DM_LISTSETCURPOS".
  std::vector<std::string> calls(const std::string& prefix) const;

  dialog* last_dialog() const { return dialogs.empty() ? nullptr : dialogs.back().get(); }
  dialog* list_dialog() const;

  std::deque<event> feed;
  // The keyboard press() types on.
  host_core::keyboard_layout layout = host_core::keyboard_layout::us;
  std::vector<std::string> log;
  // FAR 3's own table over this host, its calls logged in FAR 3's names ("FCTL_SETSORTMODE 2").
  // Made and ended in far3_model.cpp, apart from the names the system's headers take there.
  std::unique_ptr<host_core::far3_table, void (*)(host_core::far3_table*)> far3;
  std::vector<std::unique_ptr<dialog>> dialogs;  // every dialog run, in order of opening
  std::vector<std::vector<DWORD>> posted_keys;
  std::vector<DWORD> posted_flags;
  std::vector<std::vector<std::string>> messages_shown;
  bool ran_dry = false;
  // Panel queries (FCTL_GETPANELINFO and FCTL_GETANOTHERPANELINFO) asked so far; the first is 1.
  int panel_queries = 0;
  // Given a query's number, says whether it fails. A failed query answers 0 and leaves garbage
  // in the record, as a busy host may: 0xCD bytes and a claim of 3 items behind a bad pointer.
  std::function<bool(int number)> fail_panel_query;
  // Rewrites an answered panel query's record as a host of its own ways would fill it.
  std::function<void(far_host::PanelInfo&)> answer_panel_query;

  // The rig's view of folders and of the Ctrl key.
  std::function<std::optional<std::vector<std::string>>(const std::string&)> list_dir;
  // Or whole items, as a real folder gives them; taken before list_dir when set.
  std::function<bool(const std::string&, std::vector<far_host::PluginPanelItem>&)> read_dir;
  // Folders whose items a scenario makes up, texts and all, instead of list_dir's plain names.
  std::map<std::string, std::vector<far_host::PluginPanelItem>> made_up_dirs;
  // A made-up folder of ".." and `count` files named f000000.txt, f000001.txt and on.
  void make_up_numbered_files(const std::string& dir, int count);
  std::function<void(bool)> set_ctrl;
  // Whether the plugin's thread taps Ctrl into the console: a host without idle notices then
  // hands the dialog Ctrl alone where it would have been idle.
  std::function<bool()> woken_by_plugin;
  // Called as each key is taken: a host reading a console takes what else waits there.
  std::function<void()> taking_key;

  int message(DWORD flags, const char* help, const char* const* items, int count,
              int buttons) override;
  int control(far_host::HANDLE panels_handle, int command, void* param) override;
  int adv_control(int command, void* param) override;
  int dialog_ex(int x1, int y1, int x2, int y2, const char* help, far_host::FarDialogItem* items,
                int count, DWORD flags, far_host::FARWINDOWPROC proc,
                far_host::LONG_PARAM param) override;
  far_host::LONG_PARAM send_dlg_message(far_host::HANDLE handle, int msg, int param1,
                                        far_host::LONG_PARAM param2) override;

  host_core::event next_event() override;
  void redraw() override {}
  far_host::COORD screen_size() const override { return {120, 40}; }
  void show_help(const std::string& topic) override { log.push_back("help " + topic); }

 protected:
  bool read_folder(const std::string& dir, std::vector<host_core::panel_item>& items) override;
  dialog& open_dialog(const host_core::dialog_request& request) override;
  void close_dialog(dialog&) override {}
};

}  // namespace host_model
