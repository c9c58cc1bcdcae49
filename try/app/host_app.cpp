#include "app/host_app.h"

#include <algorithm>

#include "console/code_page.h"
#include "dialogs/dialog_window.h"
#include "dialogs/message_box.h"
#include "help/help_window.h"
#include "host_model/host_functions.h"
#include "panels/panel_drawing.h"
#include "plugin/host_table.h"
#include "plugin/language_files.h"

namespace try_host {

using far_host::ACTL_POSTKEYSEQUENCE;
using far_host::DN_CLOSE;
using far_host::FarDialogItem;
using far_host::FARWINDOWPROC;
using far_host::FCTL_GETANOTHERPANELINFO;
using far_host::FCTL_GETPANELINFO;
using far_host::FCTL_REDRAWPANEL;
using far_host::FMSG_WARNING;
using far_host::invalid_handle;
using far_host::key_code;
using far_host::KEY_CTRL;
using far_host::KeySequence;
using far_host::LONG_PARAM;
using far_host::PanelInfo;

namespace {

// How often a waiting window hears DN_ENTERIDLE, and the pace of played keys a person watches.
constexpr unsigned idle_interval_ms = 100;
constexpr unsigned watched_pace_ms = 400;
constexpr int russian_code_page = 866;

void write_text(::HANDLE out, const std::string& text) {
  ::DWORD written = 0;
  WriteFile(out, text.data(), static_cast<::DWORD>(text.size()), &written, nullptr);
}

}  // namespace

host_app::host_app(options settings)
    : options_(std::move(settings)),
      text_out_(GetStdHandle(STD_OUTPUT_HANDLE)),
      screen_(console_.size().X, console_.size().Y) {
  // The plugin measures the screen through its standard output, which a printed run redirects.
  if (console_.available()) SetStdHandle(STD_OUTPUT_HANDLE, console_.output());
  code_page_ = options_.language == "Russian" ? russian_code_page : GetOEMCP();
  SetConsoleOutputCP(code_page_);
  // The host hands file names to plugins in the OEM code page.
  SetFileApisToOEM();
  if (options_.playback)
    keys_ = std::make_unique<playback_keys>(options_.keys, hold_.hold_ms() + idle_interval_ms,
                                            options_.screens ? 0 : watched_pace_ms,
                                            [this](const std::string& label) {
                                              if (options_.screens) print_screen(label);
                                            });
  else
    keys_ = std::make_unique<console_keys>(console_);
}

int host_app::run() {
  start_panels();
  if (!plugin_.load(options_.dll)) {
    write_text(GetStdHandle(STD_ERROR_HANDLE), "try host: cannot load " + options_.dll + "\n");
    return 1;
  }
  if (!options_.screens) console_.start();
  if (const int wanted = plugin_.min_far_version(); wanted && needs_newer_host(wanted)) {
    const char* lines[] = {"Plugins", "The plugin needs a newer version of the host", "OK"};
    message(FMSG_WARNING, nullptr, lines, 3, 1);
    plugin_.unload();
  } else {
    texts_ =
        host_model::read_language_file(find_language_file(options_.dll, "lng", options_.language));
    help_ = parse_help_file(
        read_whole_file(find_language_file(options_.dll, "hlf", options_.language)));
    make_host_table(*this, plugin_.path(), 0, table_);
    plugin_.set_startup_info(table_.info);
  }
  while (!quitting_) {
    const event next = next_event();
    if (next.kind == event::key) panel_key(next.code);
  }
  if (plugin_.loaded()) plugin_.exit_far();
  plugin_.unload();
  console_.stop();
  return 0;
}

void host_app::start_panels() {
  const int middle = width() / 2;
  panels_[0].rect = {0, 1, middle - 1, height() - 3};
  panels_[1].rect = {middle, 1, width() - 1, height() - 3};
  const std::wstring dirs[2] = {options_.left, options_.right};
  for (int side = 0; side < 2; ++side) {
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    if (!panels_[side].change_dir(dirs[side])) panels_[side].change_dir(current);
  }
}

event host_app::next_event() {
  if (terminal::interrupted()) quitting_ = true;
  if (quitting_) return {event::quit};
  if (!posted_.empty()) {
    const key_code code = posted_.front();
    posted_.pop_front();
    hold_.key(code, keys_->now_ms());
    sync_ctrl();
    return {event::key, code};
  }
  sync_ctrl();
  redraw();
  const key_code code = keys_->wait_key(last_idle_ ? idle_interval_ms : 0);
  if (keys_->finished() || terminal::interrupted() || code == (KEY_CTRL | 'C')) {
    quitting_ = true;
    return {event::quit};
  }
  if (!code) {
    last_idle_ = true;
    sync_ctrl();
    return {event::idle};
  }
  last_idle_ = false;
  hold_.key(code, keys_->now_ms());
  sync_ctrl();
  return {event::key, code};
}

// The plugin asks GetKeyState for Ctrl; the keyboard state of this thread is what it reads.
void host_app::sync_ctrl() {
  const bool held = hold_.held(keys_->now_ms());
  if (held == ctrl_shown_) return;
  ctrl_shown_ = held;
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

void host_app::redraw() {
  for (const window* shown : windows_)
    if (shown->holds_redraw()) return;
  compose();
  if (!options_.screens) console_.show(screen_);
}

void host_app::compose() {
  screen_.clear();
  draw_title();
  for (int side = 0; side < 2; ++side)
    draw_panel(screen_, panels_[side], panels_[1 - side], side == active_);
  draw_command_line();
  draw_key_bar();
  for (const window* shown : windows_) shown->draw(screen_);
}

void host_app::print_screen(const std::string& label) {
  compose();
  write_text(text_out_, "=== " + label + " ===\n" + screen_.dump());
}

void host_app::close_window(window* shown) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), shown), windows_.end());
}

std::wstring host_app::plugin_text(const std::string& text) const {
  return widen(text, code_page_);
}

void host_app::show_help(const std::string& topic) {
  if (help_.topics.empty()) return;
  help_window viewer(*this, help_, topic);
  open_window(&viewer);
  viewer.run();
  close_window(&viewer);
}

const char* host_app::get_msg(int id) const {
  if (id < 0 || id >= static_cast<int>(texts_.size())) return "";
  return texts_[id].c_str();
}

int host_app::message(far_host::DWORD flags, const char*, const char* const* items, int count,
                      int buttons) {
  return show_message(*this, flags, items, count, buttons);
}

int host_app::control(far_host::HANDLE handle, int command, void* param) {
  if (handle != invalid_handle || (!param && command != FCTL_REDRAWPANEL)) return 0;
  const int side = command == FCTL_GETANOTHERPANELINFO ? 1 - active_ : active_;
  if (command == FCTL_GETPANELINFO || command == FCTL_GETANOTHERPANELINFO) {
    control_.fill_info(panels_[side], side == active_, side == 0, *static_cast<PanelInfo*>(param));
    return 1;
  }
  return control_.change(panels_[side], command, param);
}

int host_app::adv_control(int command, void* param) {
  constexpr int get_far_version = 0;
  if (command == get_far_version) return host_version;
  if (command != ACTL_POSTKEYSEQUENCE || !param) return 0;
  const auto& sequence = *static_cast<const KeySequence*>(param);
  for (int i = 0; i < sequence.Count; ++i) posted_.push_back(sequence.Sequence[i]);
  return 1;
}

int host_app::dialog_ex(int x1, int y1, int x2, int y2, const char* help, FarDialogItem* items,
                        int count, far_host::DWORD flags, FARWINDOWPROC proc, LONG_PARAM param) {
  dialog_window shown(*this, x1, y1, x2, y2, help ? help : "", items, count, flags, proc);
  dialogs_.push_back(&shown);
  open_window(&shown);
  const int code = shown.run(param);
  close_window(&shown);
  dialogs_.pop_back();
  redraw();
  return code;
}

LONG_PARAM host_app::send_dlg_message(far_host::HANDLE handle, int msg, int param1,
                                      LONG_PARAM param2) {
  for (dialog_window* open : dialogs_)
    if (open == handle) return open->message(msg, param1, param2);
  return 0;
}

LONG_PARAM host_app::def_dlg_proc(far_host::HANDLE, int msg, int, LONG_PARAM) {
  return msg == DN_CLOSE ? 1 : 0;
}

}  // namespace try_host
