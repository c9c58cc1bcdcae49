#include "host_model/host_model.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace host_model {

using namespace far_host;

namespace {

model* current = nullptr;

std::string fmt(const char* format, long long a = 0, long long b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

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
                           FarDialogItem* items, int count, DWORD, DWORD flags, FARWINDOWPROC proc,
                           LONG_PARAM param) {
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

const char* command_name(int command) {
  switch (command) {
    case FCTL_GETPANELINFO: return "GETPANELINFO";
    case FCTL_GETANOTHERPANELINFO: return "GETANOTHERPANELINFO";
    case FCTL_REDRAWPANEL: return "REDRAWPANEL";
    case FCTL_SETSELECTION: return "SETSELECTION";
    case FCTL_SETVIEWMODE: return "SETVIEWMODE";
    case FCTL_SETPANELDIR: return "SETPANELDIR";
    case FCTL_SETSORTMODE: return "SETSORTMODE";
    case FCTL_SETSORTORDER: return "SETSORTORDER";
    default: return "UNKNOWN";
  }
}

const char* dialog_message_name(int msg) {
  switch (msg) {
    case DM_CLOSE: return "DM_CLOSE";
    case DM_ENABLEREDRAW: return "DM_ENABLEREDRAW";
    case DM_MOVEDIALOG: return "DM_MOVEDIALOG";
    case DM_SETDLGITEM: return "DM_SETDLGITEM";
    case DM_REDRAW: return "DM_REDRAW";
    case DM_LISTGETCURPOS: return "DM_LISTGETCURPOS";
    case DM_LISTSETCURPOS: return "DM_LISTSETCURPOS";
    case DM_RESIZEDIALOG: return "DM_RESIZEDIALOG";
    case DM_LISTSET: return "DM_LISTSET";
    case DM_LISTSETMOUSEREACTION: return "DM_LISTSETMOUSEREACTION";
    default: return "DM_UNKNOWN";
  }
}

}  // namespace

PluginPanelItem make_item(const std::string& name, DWORD attributes) {
  PluginPanelItem item{};
  item.FindData.dwFileAttributes = attributes;
  std::strncpy(item.FindData.cFileName, name.c_str(), sizeof item.FindData.cFileName - 1);
  return item;
}

void panel::select(const std::string& name) {
  for (auto& item : items)
    if (name == item.FindData.cFileName) item.Flags |= PPIF_SELECTED;
}

std::vector<std::string> panel::selected_names() const {
  std::vector<std::string> names;
  for (const auto& item : items)
    if (item.Flags & PPIF_SELECTED) names.emplace_back(item.FindData.cFileName);
  return names;
}

std::vector<std::string> dialog::line_texts() const {
  std::vector<std::string> texts;
  for (const auto& line : list_lines) texts.emplace_back(line.Text);
  return texts;
}

bool dialog::lines_printable() const {
  for (const auto& line : line_texts())
    for (unsigned char c : line)
      if (c < 0x20 || c > 0x7E) return false;
  return true;
}

model::model() {
  current = this;
  panels[0].rect = {0, 1, 59, 30};
  panels[1].rect = {60, 1, 119, 30};
  standard_functions.StructSize = sizeof standard_functions;
  standard_functions.FarNameToKey = table_name_to_key;
  standard_functions.TruncPathStr = table_trunc_path;
}

model::~model() {
  if (current == this) current = nullptr;
}

PluginStartupInfo model::startup_info(int struct_size) {
  PluginStartupInfo info{};
  info.StructSize = struct_size;
  std::strcpy(info.ModuleName, "C:\\Far\\Plugins\\Tolvane\\Tolvane.dll");
  info.ModuleNumber = 7;
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

bool model::load_language_file(const std::string& path) {
  texts = read_language_file(path);
  return !texts.empty();
}

bool model::change_dir(panel& target, const std::string& dir) {
  const auto made_up = made_up_dirs.find(dir);
  if (made_up != made_up_dirs.end()) {
    target.items = made_up->second;
  } else {
    auto listing = list_dir ? list_dir(dir) : std::nullopt;
    if (!listing) return false;
    target.items.clear();
    for (const auto& name : *listing) target.items.push_back(make_item(name));
  }
  target.dir = dir;
  target.current = 0;
  target.top = 0;
  return true;
}

std::vector<std::string> model::calls(const std::string& prefix) const {
  std::vector<std::string> matching;
  for (const auto& entry : log)
    if (entry.compare(0, prefix.size(), prefix) == 0) matching.push_back(entry);
  return matching;
}

dialog* model::list_dialog() const {
  for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it)
    if ((*it)->help_topic == "Panel_list") return it->get();
  return nullptr;
}

const char* model::get_msg(int id) {
  if (id < 0 || id >= static_cast<int>(texts.size())) return "";
  return texts[id].c_str();
}

int model::message(DWORD flags, const char* help, const char* const* items, int count,
                   int buttons) {
  std::vector<std::string> shown;
  for (int i = 0; i < count; ++i) shown.emplace_back(items[i]);
  messages_shown.push_back(shown);
  log.push_back(fmt("Message flags %lld buttons %lld", flags, buttons) + (help ? " help" : ""));
  return 0;
}

void model::fill_panel_info(const panel& source, bool focused, PanelInfo& info) {
  info = PanelInfo{};
  info.PanelType = source.type;
  info.Plugin = source.plugin;
  info.PanelRect = source.rect;
  reported_items_ = source.items;
  info.PanelItems = reported_items_.empty() ? nullptr : reported_items_.data();
  info.ItemsNumber = static_cast<int>(reported_items_.size());
  info.CurrentItem = source.current;
  info.TopPanelItem = source.top;
  info.Visible = 1;
  info.Focus = focused ? 1 : 0;
  info.ViewMode = source.view_mode;
  std::strncpy(info.CurDir, source.dir.c_str(), sizeof info.CurDir - 1);
  info.SortMode = source.sort_mode;
  info.Flags = source.reversed ? PFLAGS_REVERSESORTORDER : 0;
}

void model::fill_garbage(PanelInfo& info) {
  std::memset(&info, 0xCD, sizeof info);
  info.ItemsNumber = 3;
}

int model::control(HANDLE panels_handle, int command, void* param) {
  std::string entry = std::string("Control ") + command_name(command);
  if (panels_handle != invalid_handle) entry += " wrong-handle";
  panel& target = active_panel();
  int result = 1;
  switch (command) {
    case FCTL_GETPANELINFO:
    case FCTL_GETANOTHERPANELINFO: {
      auto& info = *static_cast<PanelInfo*>(param);
      const int number = ++panel_queries;
      if (fail_panel_query && fail_panel_query(number)) {
        fill_garbage(info);
        entry += " failed";
        result = 0;
        break;
      }
      fill_panel_info(command == FCTL_GETPANELINFO ? target : passive_panel(),
                      command == FCTL_GETPANELINFO, info);
      break;
    }
    case FCTL_SETPANELDIR: {
      const char* dir = static_cast<const char*>(param);
      entry += std::string(" ") + dir;
      result = change_dir(target, dir) ? 1 : 0;
      break;
    }
    case FCTL_SETVIEWMODE:
      target.view_mode = *static_cast<int*>(param);
      entry += fmt(" %lld", target.view_mode);
      break;
    case FCTL_SETSORTMODE:
      target.sort_mode = *static_cast<int*>(param);
      entry += fmt(" %lld", target.sort_mode);
      break;
    case FCTL_SETSORTORDER:
      target.reversed = *static_cast<int*>(param) != 0;
      entry += fmt(" %lld", *static_cast<int*>(param));
      break;
    case FCTL_SETSELECTION: {
      const auto& info = *static_cast<const PanelInfo*>(param);
      const std::size_t count =
          std::min<std::size_t>(target.items.size(), std::max(info.ItemsNumber, 0));
      for (std::size_t i = 0; i < count; ++i) {
        target.items[i].Flags &= ~PPIF_SELECTED;
        target.items[i].Flags |= info.PanelItems[i].Flags & PPIF_SELECTED;
      }
      break;
    }
    case FCTL_REDRAWPANEL:
      if (param) {
        const auto& redraw = *static_cast<const PanelRedrawInfo*>(param);
        target.current = redraw.CurrentItem;
        target.top = redraw.TopPanelItem;
        entry += fmt(" %lld %lld", redraw.CurrentItem, redraw.TopPanelItem);
      } else {
        entry += " null";
      }
      break;
    default: result = 0;
  }
  log.push_back(entry);
  return result;
}

int model::adv_control(int command, void* param) {
  log.push_back(fmt("AdvControl %lld", command));
  if (command != ACTL_POSTKEYSEQUENCE) return 0;
  const auto& sequence = *static_cast<const KeySequence*>(param);
  posted_flags.push_back(sequence.Flags);
  posted_keys.emplace_back(sequence.Sequence, sequence.Sequence + sequence.Count);
  return 1;
}

int model::dialog_ex(int x1, int y1, int x2, int y2, const char* help, FarDialogItem* items,
                     int count, DWORD flags, FARWINDOWPROC proc, LONG_PARAM param) {
  log.push_back(fmt("DialogEx %lld %lld", x1, y1) + fmt(" %lld %lld", x2, y2));
  dialogs.push_back(std::make_unique<dialog>());
  dialog& shown = *dialogs.back();
  shown.x2 = x2;
  shown.y2 = y2;
  shown.help_topic = help ? help : "";
  shown.flags = flags;
  shown.items.assign(items, items + count);
  shown.proc = proc;
  shown.size = {static_cast<short>(x2), static_cast<short>(y2)};
  for (const auto& item : shown.items)
    if (item.Type == DI_LISTBOX && item.ListItems)
      shown.list_lines.assign(item.ListItems->Items,
                              item.ListItems->Items + item.ListItems->ItemsNumber);
  open_dialogs.push_back(&shown);
  HANDLE handle = &shown;
  proc(handle, DN_INITDIALOG, 0, param);
  while (!shown.closed) {
    if (feed.empty()) {
      // Nobody is at the keyboard any more: the host closes the dialog as on a console close.
      ran_dry = true;
      if (!close_dialog(shown, -1)) break;
      continue;
    }
    event next = std::move(feed.front());
    feed.pop_front();
    switch (next.kind) {
      case event::key:
        if (!proc(handle, DN_KEY, 0, static_cast<LONG_PARAM>(next.code)))
          default_key(shown, next.code);
        break;
      case event::idle: proc(handle, DN_ENTERIDLE, 0, 0); break;
      case event::ctrl_down:
      case event::ctrl_up:
        if (set_ctrl) set_ctrl(next.kind == event::ctrl_down);
        break;
      case event::action: next.run(); break;
    }
  }
  open_dialogs.pop_back();
  return shown.exit_code;
}

bool model::close_dialog(dialog& target, int code) {
  if (!target.proc(&target, DN_CLOSE, code, 0)) return false;
  target.closed = true;
  target.exit_code = code;
  return true;
}

void model::default_key(dialog& target, key_code code) {
  if (code == KEY_ESC || code == KEY_F10) {
    close_dialog(target, -1);
    return;
  }
  if (code == KEY_ENTER) {
    for (std::size_t i = 0; i < target.items.size(); ++i)
      if (target.items[i].DefaultButton) {
        close_dialog(target, static_cast<int>(i));
        return;
      }
  }
  log.push_back(fmt("default key 0x%llx", code));
}

LONG_PARAM model::send_dlg_message(HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  auto* target = static_cast<dialog*>(handle);
  const bool known =
      std::find(open_dialogs.begin(), open_dialogs.end(), target) != open_dialogs.end();
  std::string entry = std::string(dialog_message_name(msg)) + fmt(" %lld", param1);
  if (!known) {
    log.push_back(entry + " stale-handle");
    return 0;
  }
  LONG_PARAM result = 1;
  switch (msg) {
    case DM_CLOSE: log.push_back(entry); return close_dialog(*target, param1) ? 1 : 0;
    case DM_ENABLEREDRAW: target->redraw_off += param1 ? -1 : 1; break;
    case DM_SETDLGITEM:
      if (param1 >= 0 && param1 < static_cast<int>(target->items.size()))
        target->items[param1] = *reinterpret_cast<const FarDialogItem*>(param2);
      break;
    case DM_RESIZEDIALOG:
    case DM_MOVEDIALOG: {
      const auto& coord = *reinterpret_cast<const COORD*>(param2);
      if (msg == DM_RESIZEDIALOG) target->size = coord;
      entry += fmt(" %lld %lld", coord.X, coord.Y);
      break;
    }
    case DM_LISTSET: {
      const auto& list = *reinterpret_cast<const FarList*>(param2);
      target->list_lines.assign(list.Items, list.Items + list.ItemsNumber);
      entry += fmt(" %lld", list.ItemsNumber);
      break;
    }
    case DM_LISTGETCURPOS: *reinterpret_cast<FarListPos*>(param2) = target->list_pos; break;
    case DM_LISTSETCURPOS:
      target->list_pos = *reinterpret_cast<const FarListPos*>(param2);
      entry += fmt(" %lld %lld", target->list_pos.SelectPos, target->list_pos.TopPos);
      break;
    case DM_LISTSETMOUSEREACTION: entry += fmt(" %lld", param2); break;
    default: break;
  }
  log.push_back(entry);
  return result;
}

LONG_PARAM model::def_dlg_proc(HANDLE, int msg, int, LONG_PARAM) {
  // Closing is allowed; nothing else has a default effect the plugin relies on.
  return msg == DN_CLOSE ? 1 : 0;
}

}  // namespace host_model
