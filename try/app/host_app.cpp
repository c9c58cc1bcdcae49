#include "app/host_app.h"

#include <algorithm>

#include "console/code_page.h"
#include "dialogs/dialog_window.h"
#include "dialogs/message_box.h"
#include "help/help_window.h"
#include "host_core/far3_keys.h"
#include "host_core/language_files.h"
#include "host_core/real_folders.h"
#include "keys/far3_records.h"
#include "panels/folders.h"
#include "panels/panel_drawing.h"

namespace try_host {

using far_host::FMSG_WARNING;
using far_host::key_code;
using far_host::KEY_CTRL;
using host_core::event;

namespace {

// How often a waiting window hears DN_ENTERIDLE, and the pace of played keys a person watches.
constexpr unsigned idle_interval_ms = 100;
constexpr unsigned watched_pace_ms = 400;

void write_text(::HANDLE out, const std::string& text) {
  ::DWORD written = 0;
  WriteFile(out, text.data(), static_cast<::DWORD>(text.size()), &written, nullptr);
}

// Names sort without case as the system folds the letters of the code page.
void fold_names_as(unsigned code_page) {
  unsigned char lower[256];
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    wchar_t wide = 0;
    char folded = byte;
    if (MultiByteToWideChar(code_page, 0, &byte, 1, &wide, 1) == 1) {
      CharLowerBuffW(&wide, 1);
      BOOL lost = FALSE;
      if (WideCharToMultiByte(code_page, 0, &wide, 1, &folded, 1, nullptr, &lost) != 1 || lost)
        folded = byte;
    }
    lower[c] = static_cast<unsigned char>(folded);
  }
  host_core::set_name_folding(lower);
}

// FAR 3 chooses a language file by its .Language line, after the UTF-8 byte-order mark it may
// start with: the language asked for, else English, else the last one read.
std::string far3_language_file(const std::string& dll, const std::string& extension,
                               const std::string& language) {
  const std::string folder = dll.substr(0, dll.find_last_of("\\/"));
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*." + extension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  std::string chosen, english, last;
  do {
    const std::string file = folder + "\\" + found.cFileName;
    std::string first = host_core::read_whole_file(file);
    first = first.substr(0, first.find('\n'));
    if (first.compare(0, 3, "\xEF\xBB\xBF") == 0) first.erase(0, 3);
    const std::string mark = ".Language=";
    if (first.compare(0, mark.size(), mark) != 0) continue;
    const std::string name = first.substr(mark.size(), first.find(',') - mark.size());
    if (name == language) chosen = file;
    if (name == "English") english = file;
    last = file;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return !chosen.empty() ? chosen : !english.empty() ? english : last;
}

std::string without_byte_order_mark(std::string text) {
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  return text;
}

// FAR 3 compares versions by major, minor, build and then revision.
bool newer_than(const far3_host::VersionInfo& wanted, const far3_host::VersionInfo& have) {
  const unsigned long long a[] = {wanted.Major, wanted.Minor, wanted.Build, wanted.Revision};
  const unsigned long long b[] = {have.Major, have.Minor, have.Build, have.Revision};
  for (int i = 0; i < 4; ++i)
    if (a[i] != b[i]) return a[i] > b[i];
  return false;
}

}  // namespace

host_app::host_app(options settings)
    : options_(std::move(settings)),
      text_out_(GetStdHandle(STD_OUTPUT_HANDLE)),
      screen_(console_.size().X, console_.size().Y),
      code_page_(options_.far3 ? CP_UTF8 : GetOEMCP()) {
  // The plugin measures the screen through its standard output, which a printed run redirects.
  if (console_.available()) SetStdHandle(STD_OUTPUT_HANDLE, console_.output());
  SetConsoleOutputCP(GetOEMCP());
  if (options_.far3) {
    far3_ = std::make_unique<far3_screen_table>(*this, *this);
    ways = host_core::far3_ways();
  }
  // FAR 1.7x hands file names to plugins in the OEM code page, as the file APIs read them; FAR
  // 3's, in Unicode, are read through the wide calls.
  SetFileApisToOEM();
  fold_names_as(code_page_);
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
  lay_out();
  const std::string current = current_folder(code_page_);
  const std::string dirs[2] = {options_.left, options_.right};
  for (int side = 0; side < 2; ++side)
    if (!change_dir(panels[side], dirs[side])) change_dir(panels[side], current);
  if (!plugin_.load(options_.dll)) {
    write_text(GetStdHandle(STD_ERROR_HANDLE), "try host: cannot load " + options_.dll + "\n");
    return 1;
  }
  if (!options_.screens) console_.start();
  if (far3_)
    start_far3_plugin();
  else
    start_plugin();
  while (!quitting_) {
    // FAR 3 delivers synchro notices while its panels wait for input too.
    if (far3_) far3_->panels_wait();
    const event next = next_event();
    if (next.kind == event::key) panel_key(next.code);
  }
  exit_plugin();
  plugin_.unload();
  // What real FAR 3 would crash on, refuse or show wrongly: the FAR 3 build's faults.
  if (far3_) {
    for (const std::string& fault : far3_->faults)
      write_text(GetStdHandle(STD_ERROR_HANDLE), "try host: FAR 3 fault: " + fault + "\n");
    for (const std::string& fault : far3_->screen_faults)
      write_text(GetStdHandle(STD_ERROR_HANDLE), "try host: FAR 3 screen fault: " + fault + "\n");
  }
  console_.stop();
  return 0;
}

void host_app::start_plugin() {
  if (const int wanted = plugin_.min_far_version(); wanted && host_core::needs_newer_host(wanted)) {
    const char* lines[] = {"Plugins", "The plugin needs a newer version of the host", "OK"};
    message(FMSG_WARNING, nullptr, lines, 3, 1);
    plugin_.unload();
    return;
  }
  texts = host_core::read_language_file(plugin_.language_file("lng", options_.language));
  help_ = host_core::parse_help_file(
      host_core::read_whole_file(plugin_.language_file("hlf", options_.language)));
  table_ = startup_info(plugin_.path());
  plugin_.set_startup_info(table_);
}

void host_app::start_far3_plugin() {
  far3_host::GlobalInfo global{};
  global.StructSize = sizeof global;
  plugin_.get_global_info(global);
  if (!plugin_.is_far3_plugin() || newer_than(global.MinFarVersion, far3_->version)) {
    const char* lines[] = {"Plugins",
                           plugin_.is_far3_plugin() ? "The plugin needs a newer version of the host"
                                                    : "The DLL is no FAR 3 plugin",
                           "OK"};
    message(FMSG_WARNING, nullptr, lines, 3, 1);
    plugin_.unload();
    return;
  }
  far3_->plugin_guid = global.Guid;
  far3_->load_language_file(far3_language_file(plugin_.path(), "lng", options_.language));
  help_ = host_core::parse_help_file(without_byte_order_mark(
      host_core::read_whole_file(far3_language_file(plugin_.path(), "hlf", options_.language))));
  far3_->synchro_handler = [this](const far3_host::ProcessSynchroEventInfo* info) {
    plugin_.process_synchro_event(*info);
    return std::intptr_t{0};
  };
  const far3_host::PluginStartupInfo info =
      far3_->startup_info(narrow(widen(plugin_.path(), CP_ACP), CP_UTF8));
  plugin_.set_startup_info(info);
}

void host_app::exit_plugin() {
  if (!plugin_.loaded()) return;
  if (far3_) {
    const far3_host::ExitInfo info{sizeof info, nullptr};
    plugin_.exit_far(info);
  } else {
    plugin_.exit_far();
  }
}

// The panels share the screen between the title line and the command line.
void host_app::lay_out() {
  const int middle = width() / 2;
  panels[0].rect = {0, 1, middle - 1, height() - 3};
  panels[1].rect = {middle, 1, width() - 1, height() - 3};
  for (host_core::panel& side : panels) side.move_cursor(side.list().current);
}

// Panels, menus and help take the new size as they are drawn; centred dialogs move.
void host_app::resize() {
  const COORD size = console_.size();
  screen_ = frame(size.X, size.Y);
  lay_out();
  for (host_core::dialog* shown : open_dialogs) shown->screen_resized();
  if (far3_)
    for (host_core::far3_dialog* shown : far3_->running())
      if (shown->centred) {
        ::COORD centre{-1, -1};
        shown->message(far3_host::DM_MOVEDIALOG, 1, &centre);
      }
}

bool host_app::read_folder(const std::string& dir, std::vector<host_core::panel_item>& items) {
  return try_host::read_folder(dir, true, items, code_page_);
}

bool host_app::records_wanted() const {
  return !windows_.empty() && windows_.back()->takes_records();
}

// A played Wait lets Ctrl go: the FAR 3 build learns of it only at a synchro notice its thread
// asks for, so the host lets the thread ask before the idle moment that delivers it.
void host_app::await_synchro() {
  const unsigned asked = far3_->synchro_asked();
  for (int i = 0; i < 30 && far3_->synchro_asked() == asked; ++i) Sleep(10);
}

event host_app::next_event() {
  if (terminal::interrupted()) quitting_ = true;
  if (quitting_) return {event::quit};
  const bool records = records_wanted();
  // A key's release goes to the FAR 3 dialog that had its press, and to no window after it.
  if (!records) releases_.clear();
  if (!releases_.empty()) {
    const host_core::record_bytes release = releases_.front();
    releases_.pop_front();
    return {event::input, 0, release};
  }
  // FAR 3 delivers synchro notices at every wait for input; its dialogs do it at their own.
  if (far3_ && !records) far3_->deliver_notices();
  if (!posted.empty()) {
    const key_code code = posted.front();
    posted.pop_front();
    hold_.key(code, keys_->now_ms());
    sync_ctrl();
    return {event::key, code};
  }
  if (console_.follow_resize()) resize();
  sync_ctrl();
  redraw();
  const key_code code = keys_->wait_key(last_idle_ ? idle_interval_ms : 0);
  if (keys_->finished() || terminal::interrupted() || code == (KEY_CTRL | 'C')) {
    quitting_ = true;
    return {event::quit};
  }
  if (!code) {
    last_idle_ = true;
    const bool was_held = ctrl_shown_;
    sync_ctrl();
    if (records && options_.playback && was_held && !ctrl_shown_) await_synchro();
    return {event::idle};
  }
  last_idle_ = false;
  hold_.key(code, keys_->now_ms());
  sync_ctrl();
  if (!records) return {event::key, code};
  // FAR 3's dialogs take what a keyboard puts into the console for the key.
  const auto typed = far3_key_records(code);
  if (!typed) return {event::none};
  releases_.push_back(host_core::bytes_of(typed->second));
  return {event::input, code, host_core::bytes_of(typed->first)};
}

void host_app::sync_ctrl() {
  const bool held = hold_.held(keys_->now_ms());
  if (held == ctrl_shown_) return;
  ctrl_shown_ = held;
  host_core::set_ctrl_key(held);
}

void host_app::redraw() {
  for (const window* shown : windows_)
    if (shown->holds_redraw()) return;
  compose();
  if (!options_.screens) console_.show(screen_);
}

far_host::COORD host_app::screen_size() const {
  return {static_cast<short>(width()), static_cast<short>(height())};
}

void host_app::compose() {
  screen_.clear();
  draw_title();
  for (int side = 0; side < 2; ++side)
    draw_panel(screen_, panels[side], panels[1 - side], side == active, code_page_);
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

std::wstring host_app::text(const std::string& plugin_text) const {
  return widen(plugin_text, code_page_);
}

void host_app::show_help(const std::string& topic) {
  if (help_.topics.empty()) return;
  help_window viewer(*this, help_, topic);
  open_window(&viewer);
  viewer.run();
  close_window(&viewer);
}

int host_app::message(far_host::DWORD flags, const char*, const char* const* items, int count,
                      int buttons) {
  return show_message(*this, *this, flags, items, count, buttons);
}

host_core::dialog& host_app::open_dialog(const host_core::dialog_request& request) {
  auto shown = std::make_unique<dialog_window>(*this, *this, request);
  open_window(shown.get());
  dialogs_.push_back(std::move(shown));
  return *dialogs_.back();
}

void host_app::close_dialog(host_core::dialog& shown) {
  auto owned = std::find_if(dialogs_.begin(), dialogs_.end(),
                            [&](const auto& each) { return each.get() == &shown; });
  if (owned == dialogs_.end()) return;
  close_window(owned->get());
  dialogs_.erase(owned);
  redraw();
}

}  // namespace try_host
