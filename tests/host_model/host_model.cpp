#include "host_model/host_model.h"

#include <cstdio>
#include <cstring>

#include "host_core/language_files.h"

namespace host_model {

using namespace far_host;

namespace {

std::string fmt(const char* format, long long a = 0, long long b = 0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

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
  if (const char* shared = host_core::shared_dialog_message_name(msg)) return shared;
  return msg == DM_LISTSETMOUSEREACTION ? "DM_LISTSETMOUSEREACTION" : "DM_UNKNOWN";
}

bool reserved_params_zero(int msg, int param1, LONG_PARAM param2) {
  switch (msg) {
    case DM_LISTSET: {
      if (!param2) return true;
      const auto& list = *reinterpret_cast<const FarList*>(param2);
      for (int i = 0; i < list.ItemsNumber; ++i)
        for (const DWORD reserved : list.Items[i].Reserved)
          if (reserved != 0) return false;
      return true;
    }
    case DM_REDRAW: return param1 == 0 && param2 == 0;
    case DM_RESIZEDIALOG: return param1 == 0;
    case DM_CLOSE:
    case DM_ENABLEREDRAW: return param2 == 0;
    default: return true;
  }
}

// A dialog that logs the keys its procedure leaves to the host, other than those that close it.
class logged_dialog : public dialog {
 public:
  logged_dialog(model& host, const host_core::dialog_request& request)
      : dialog(host, request), host_(host) {}

 protected:
  void default_key(key_code key) override {
    if (key != KEY_ESC && key != KEY_F10 && key != KEY_ENTER)
      host_.log.push_back(fmt("default key 0x%llx", key));
    dialog::default_key(key);
  }

 private:
  model& host_;
};

}  // namespace

bool lines_printable(const dialog& shown) {
  for (const auto& line : shown.line_texts())
    for (unsigned char c : line)
      if (c < 0x20 || c > 0x7E) return false;
  return true;
}

model::model() : far3(make_far3_table(*this)) {
  panels[0].rect = {0, 1, 59, 30};
  panels[1].rect = {60, 1, 119, 30};
  for (panel& side : panels) side.sort_mode = host_core::SM_UNSORTED;
}

PluginStartupInfo model::startup_info(int struct_size) {
  return host::startup_info("C:\\Far\\Plugins\\Tolvane\\Tolvane.dll", 7, struct_size);
}

bool model::load_language_file(const std::string& path) {
  texts = host_core::read_language_file(path);
  return !texts.empty();
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

void model::make_up_numbered_files(const std::string& dir, int count) {
  std::vector<PluginPanelItem> items{make_item("..", 0x10)};
  char name[16];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "f%06d.txt", i);
    items.push_back(make_item(name));
  }
  made_up_dirs[dir] = std::move(items);
}

bool model::read_folder(const std::string& dir, std::vector<host_core::panel_item>& items) {
  const auto made_up = made_up_dirs.find(dir);
  if (made_up != made_up_dirs.end()) {
    items = made_up->second;
    return true;
  }
  if (read_dir) return read_dir(dir, items);
  auto listing = list_dir ? list_dir(dir) : std::nullopt;
  if (!listing) return false;
  items.clear();
  for (const auto& name : *listing) items.push_back(make_item(name));
  return true;
}

dialog& model::open_dialog(const host_core::dialog_request& request) {
  dialogs.push_back(std::make_unique<logged_dialog>(*this, request));
  return *dialogs.back();
}

host_core::event model::next_event() {
  while (!feed.empty()) {
    event next = std::move(feed.front());
    feed.pop_front();
    switch (next.kind) {
      case event::key:
        if (taking_key) taking_key();
        return {host_core::event::key, next.code};
      case event::wheel: return {host_core::event::wheel, next.code};
      case event::idle:
        if (!ways.idle_notices && woken_by_plugin && woken_by_plugin())
          return {host_core::event::key, KEY_CTRL};
        return {host_core::event::idle};
      case event::ctrl_down:
      case event::ctrl_up:
        if (set_ctrl) set_ctrl(next.kind == event::ctrl_down);
        break;
      case event::action: next.run(); return {host_core::event::none};
      case event::input:
        if (taking_key) taking_key();
        return {host_core::event::input, 0, next.record};
    }
  }
  // Nobody is at the keyboard any more: the host closes the dialog as on a console close.
  ran_dry = true;
  return {host_core::event::quit};
}

int model::message(DWORD flags, const char* help, const char* const* items, int count,
                   int buttons) {
  std::vector<std::string> shown;
  for (int i = 0; i < count; ++i) shown.emplace_back(items[i]);
  messages_shown.push_back(shown);
  log.push_back(fmt("Message flags %lld buttons %lld", flags, buttons) + (help ? " help" : ""));
  return 0;
}

int model::control(HANDLE panels_handle, int command, void* param) {
  std::string entry = std::string("Control ") + command_name(command);
  if (panels_handle != invalid_handle) entry += " wrong-handle";
  int result = 0;
  if (command == FCTL_GETPANELINFO || command == FCTL_GETANOTHERPANELINFO) {
    const int number = ++panel_queries;
    if (fail_panel_query && fail_panel_query(number)) {
      auto& info = *static_cast<PanelInfo*>(param);
      std::memset(&info, 0xCD, sizeof info);
      info.ItemsNumber = 3;
      log.push_back(entry + " failed");
      return 0;
    }
  }
  result = host::control(panels_handle, command, param);
  if (result && answer_panel_query &&
      (command == FCTL_GETPANELINFO || command == FCTL_GETANOTHERPANELINFO))
    answer_panel_query(*static_cast<PanelInfo*>(param));
  switch (command) {
    case FCTL_SETPANELDIR: entry += std::string(" ") + static_cast<const char*>(param); break;
    case FCTL_SETVIEWMODE:
    case FCTL_SETSORTMODE:
    case FCTL_SETSORTORDER: entry += fmt(" %lld", *static_cast<int*>(param)); break;
    case FCTL_REDRAWPANEL:
      if (param) {
        const auto& redraw = *static_cast<const PanelRedrawInfo*>(param);
        entry += fmt(" %lld %lld", redraw.CurrentItem, redraw.TopPanelItem);
      } else {
        entry += " null";
      }
      break;
    default: break;
  }
  log.push_back(entry);
  return result;
}

int model::adv_control(int command, void* param) {
  log.push_back(fmt("AdvControl %lld", command));
  if (command == ACTL_POSTKEYSEQUENCE && param) {
    const auto& sequence = *static_cast<const KeySequence*>(param);
    posted_flags.push_back(sequence.Flags);
    posted_keys.emplace_back(sequence.Sequence, sequence.Sequence + sequence.Count);
  }
  return host::adv_control(command, param);
}

int model::dialog_ex(int x1, int y1, int x2, int y2, const char* help, FarDialogItem* items,
                     int count, DWORD flags, FARWINDOWPROC proc, LONG_PARAM param) {
  log.push_back(fmt("DialogEx %lld %lld", x1, y1) + fmt(" %lld %lld", x2, y2));
  if (param) log.back() += fmt(" param %lld", param);  // the plugin's dialogs pass none
  return host::dialog_ex(x1, y1, x2, y2, help, items, count, flags, proc, param);
}

LONG_PARAM model::send_dlg_message(HANDLE handle, int msg, int param1, LONG_PARAM param2) {
  std::string entry = std::string(dialog_message_name(msg)) + fmt(" %lld", param1);
  if (!reserved_params_zero(msg, param1, param2))
    reserved_not_zero.push_back(entry + fmt(" %lld", param2));
  if (!open_dialog_of(handle)) {
    log.push_back(entry + " stale-handle");
    return 0;
  }
  if (msg == DM_CLOSE) {
    log.push_back(entry);
    return host::send_dlg_message(handle, msg, param1, param2);
  }
  switch (msg) {
    case DM_RESIZEDIALOG:
    case DM_MOVEDIALOG: {
      const auto& coord = *reinterpret_cast<const far_host::COORD*>(param2);
      entry += fmt(" %lld %lld", coord.X, coord.Y);
      break;
    }
    case DM_LISTSET:
      entry += fmt(" %lld", reinterpret_cast<const FarList*>(param2)->ItemsNumber);
      break;
    case DM_LISTSETCURPOS: {
      const auto& pos = *reinterpret_cast<const FarListPos*>(param2);
      entry += fmt(" %lld %lld", pos.SelectPos, pos.TopPos);
      break;
    }
    case DM_LISTSETMOUSEREACTION: entry += fmt(" %lld", param2); break;
    default: break;
  }
  const LONG_PARAM result = host::send_dlg_message(handle, msg, param1, param2);
  log.push_back(entry);
  return result;
}

}  // namespace host_model
