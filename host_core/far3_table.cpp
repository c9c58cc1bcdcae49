#include "host_core/far3_table.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "host_core/far3_entries.h"
#include "host_core/far3_keys.h"
#include "host_core/language_files.h"
#include "host_core/paths.h"
#include "host_core/unicode.h"

namespace host_core {

using namespace far3_host;
// The system's headers name these too.
using far3_host::GUID;
using far3_host::HANDLE;

namespace {

far3_table* current = nullptr;

// FAR takes a record whose StructSize is at least its own and at most 64 KB.
constexpr std::size_t largest_record = 65536;
template <typename Record>
bool size_taken(const Record& record) {
  return record.StructSize >= sizeof(Record) && record.StructSize <= largest_record;
}

// The table's entries: each calls the table last made.
struct table_entries {
  static const wchar_t* FARAPI get_msg(const GUID* plugin, std::intptr_t id) {
    return current->get_msg(plugin, id);
  }
  static std::intptr_t FARAPI message(const GUID* plugin, const GUID* id, FARMESSAGEFLAGS flags,
                                      const wchar_t* help, const wchar_t* const* items,
                                      std::size_t count, std::intptr_t buttons) {
    return current->message(plugin, id, flags, help, items, count, buttons);
  }
  static std::intptr_t FARAPI panel_control(HANDLE panel, FILE_CONTROL_COMMANDS command,
                                            std::intptr_t param1, void* param2) {
    return current->panel_control(panel, command, param1, param2);
  }
  static std::intptr_t FARAPI adv_control(const GUID* plugin, ADVANCED_CONTROL_COMMANDS command,
                                          std::intptr_t param1, void* param2) {
    return current->adv_control(plugin, command, param1, param2);
  }
  static HANDLE FARAPI dialog_init(const GUID* plugin, const GUID* id, std::intptr_t x1,
                                   std::intptr_t y1, std::intptr_t x2, std::intptr_t y2,
                                   const wchar_t* help, const FarDialogItem* items,
                                   std::size_t count, std::intptr_t reserved, FARDIALOGFLAGS flags,
                                   FARWINDOWPROC proc, void* param) {
    if (reserved) current->owner().reserved_not_zero.emplace_back("DialogInit reserved");
    far3_dialog_request request;
    if (id) request.id = *id;
    request.x1 = x1;
    request.y1 = y1;
    request.x2 = x2;
    request.y2 = y2;
    request.help_topic = utf8_of(help);
    request.items = items;
    request.count = count;
    request.flags = flags;
    request.proc = proc;
    request.param = param;
    if (!id) {
      // FAR reads the GUID through the pointer.
      current->fault("DialogInit without a dialog GUID");
      return invalid_handle;
    }
    return current->dialog_init(plugin, request);
  }
  static std::intptr_t FARAPI dialog_run(HANDLE dialog) { return current->dialog_run(dialog); }
  static void FARAPI dialog_free(HANDLE dialog) { current->dialog_free(dialog); }
  static std::intptr_t FARAPI send_dlg_message(HANDLE dialog, std::intptr_t msg,
                                               std::intptr_t param1, void* param2) {
    return current->send_dlg_message(dialog, msg, param1, param2);
  }
  static std::intptr_t FARAPI def_dlg_proc(HANDLE dialog, std::intptr_t msg, std::intptr_t param1,
                                           void* param2) {
    return current->def_dlg_proc(dialog, msg, param1, param2);
  }
};

// The path's root: "C:\", or "\\server\share\" for a network path.
std::size_t root_length(const std::u16string& path) {
  if (path.size() >= 3 && path[1] == u':' && path[2] == u'\\') return 3;
  if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
    std::size_t at = path.find(u'\\', 2);
    if (at != std::u16string::npos) at = path.find(u'\\', at + 1);
    return at == std::u16string::npos ? path.size() : at + 1;
  }
  return 0;
}

wchar_t* FARAPI table_trunc_path_str(wchar_t* text, std::intptr_t max_length) {
  if (!text || max_length < 0) return text;
  std::u16string units = utf16_of(std::wstring_view(text));
  const auto room = static_cast<std::size_t>(max_length);
  if (units.size() <= room) return text;
  // The root, one ellipsis, the tail: exactly `room` units, counted as UTF-16.
  std::size_t root = root_length(units);
  if (root + 1 > room) root = 0;
  std::u16string cut = units.substr(0, root);
  if (room > root) cut += u'\u2026';
  cut += units.substr(units.size() - (room > root ? room - root - 1 : 0));
  const std::wstring wide = wide_of(std::u16string_view(cut));
  std::copy(wide.begin(), wide.end(), text);
  text[wide.size()] = L'\0';
  return text;
}

std::size_t FARAPI table_input_record_to_name(const INPUT_RECORD* key, wchar_t* text,
                                              std::size_t size) {
  if (!key) return 0;
  const std::string name = record_name(*key);
  if (name.empty()) return 0;
  const std::wstring wide = wide_of(name);
  if (!text || !size) return wide.size() + 1;
  const std::size_t taken = std::min(wide.size(), size - 1);
  std::copy_n(wide.begin(), taken, text);
  text[taken] = L'\0';
  return taken + 1;
}

const char* command_name(int command) {
  switch (command) {
    case FCTL_GETPANELINFO: return "FCTL_GETPANELINFO";
    case FCTL_UPDATEPANEL: return "FCTL_UPDATEPANEL";
    case FCTL_REDRAWPANEL: return "FCTL_REDRAWPANEL";
    case FCTL_SETSELECTION: return "FCTL_SETSELECTION";
    case FCTL_SETVIEWMODE: return "FCTL_SETVIEWMODE";
    case FCTL_SETPANELDIRECTORY: return "FCTL_SETPANELDIRECTORY";
    case FCTL_SETSORTMODE: return "FCTL_SETSORTMODE";
    case FCTL_SETSORTORDER: return "FCTL_SETSORTORDER";
    case FCTL_GETPANELITEM: return "FCTL_GETPANELITEM";
    case FCTL_GETSELECTEDPANELITEM: return "FCTL_GETSELECTEDPANELITEM";
    case FCTL_GETCURRENTPANELITEM: return "FCTL_GETCURRENTPANELITEM";
    case FCTL_GETPANELDIRECTORY: return "FCTL_GETPANELDIRECTORY";
    case FCTL_BEGINSELECTION: return "FCTL_BEGINSELECTION";
    case FCTL_ENDSELECTION: return "FCTL_ENDSELECTION";
    default: return "FCTL_UNKNOWN";
  }
}

std::string number(long long value) { return std::to_string(value); }

const char* dialog_message_name(std::intptr_t msg) {
  if (const char* shared = shared_dialog_message_name(msg)) return shared;
  switch (msg) {
    case DM_GETDLGDATA: return "DM_GETDLGDATA";
    case DM_SETINPUTNOTIFY: return "DM_SETINPUTNOTIFY";
    case DM_GETDIALOGINFO: return "DM_GETDIALOGINFO";
    default: return msg >= DM_USER ? "DM_USER" : "DM_UNKNOWN";
  }
}

// A message with what it carries, as the log shows it.
std::string dialog_message_entry(std::intptr_t msg, std::intptr_t param1, const void* param2) {
  std::string entry = std::string(dialog_message_name(msg)) + " " + number(param1);
  if (!param2) return entry;
  switch (msg) {
    case DM_RESIZEDIALOG:
    case DM_MOVEDIALOG: {
      const auto& coord = *static_cast<const COORD*>(param2);
      return entry + " " + number(coord.X) + " " + number(coord.Y);
    }
    case DM_LISTSETCURPOS: {
      const auto& pos = *static_cast<const FarListPos*>(param2);
      return entry + " " + number(pos.SelectPos) + " " + number(pos.TopPos);
    }
    case DM_LISTSET:
      return entry + " " +
             number(static_cast<long long>(static_cast<const FarList*>(param2)->ItemsNumber));
    default: return entry;
  }
}

// The item's texts after its record, as FAR lays them out: the name, then the short name.
struct item_texts {
  std::wstring name;
  std::wstring alternate;
  std::size_t bytes() const {
    return sizeof(PluginPanelItem) + (name.size() + 1) * sizeof(wchar_t) +
           (alternate.empty() ? 0 : (alternate.size() + 1) * sizeof(wchar_t));
  }
};

// FAR's record of the ".." entry carries a bit the public header leaves out, and ".." as its
// short name.
constexpr PLUGINPANELITEMFLAGS reserved_item_flag = 0x8000000000000000ULL;

// The model's items are 1.70 records.
constexpr far_host::DWORD item_selected = far_host::PPIF_SELECTED;

far3_host::FILETIME time_of(const far_host::FILETIME& time) {
  far3_host::FILETIME copy{};
  copy.dwLowDateTime = time.dwLowDateTime;
  copy.dwHighDateTime = time.dwHighDateTime;
  return copy;
}

}  // namespace

const GUID plugin_panel_owner{0x0CA0C0DE, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};

std::string guid_text(const GUID& guid) {
  char text[40];
  std::snprintf(text, sizeof text, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

bool same_guid(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

far3_table::far3_table(host& owner) : host_(owner) {
  standard_functions.StructSize = sizeof standard_functions;
  standard_functions.TruncPathStr = table_trunc_path_str;
  standard_functions.FarInputRecordToName = table_input_record_to_name;
}

far3_table::~far3_table() {
  if (current == this) current = nullptr;
}

PluginStartupInfo far3_table::startup_info(const std::string& module_name) {
  current = this;
  static std::wstring module;
  module = wide_of(module_name);
  PluginStartupInfo info{};
  info.StructSize = sizeof info;
  info.ModuleName = module.c_str();
  info.FSF = &standard_functions;
  set_far3_entries<table_entries>(info);
  return info;
}

bool far3_table::load_language_file(const std::string& path) {
  texts.clear();
  wide_texts_.clear();
  const std::string whole = read_whole_file(path);
  const bool marked = whole.compare(0, 3, "\xEF\xBB\xBF") == 0;
  bool oem = false;
  for (const std::string& line : read_language_file(path)) {
    // Without a mark, lines are UTF-8 until one is not; from there on the OEM code page.
    if (!marked && !oem && !is_utf8(line)) oem = true;
    texts.push_back(oem ? utf8_of_cp866(line) : line);
  }
  for (const std::string& text : texts) wide_texts_.push_back(wide_of(text));
  return !texts.empty();
}

void far3_table::fault(const std::string& what) { faults.push_back(what); }

bool far3_table::is_plugin(const GUID* guid, const char* call) {
  if (guid && same_guid(*guid, plugin_guid)) return true;
  fault(std::string(call) + (guid ? " names another plugin" : " without the plugin's GUID"));
  return false;
}

const wchar_t* far3_table::get_msg(const GUID* plugin, std::intptr_t id) {
  if (!is_plugin(plugin, "GetMsg")) return L"";
  if (id < 0 || id >= static_cast<std::intptr_t>(wide_texts_.size())) {
    // FAR shows its "bad language file" box.
    fault("GetMsg " + number(id) + " beyond the language file");
    return L"";
  }
  return wide_texts_[static_cast<std::size_t>(id)].c_str();
}

std::intptr_t far3_table::message(const GUID* plugin, const GUID*, FARMESSAGEFLAGS flags,
                                  const wchar_t* help, const wchar_t* const* items,
                                  std::size_t count, std::intptr_t buttons) {
  note("Message flags " + number(static_cast<long long>(flags)) + " buttons " + number(buttons) +
       (help ? " help" : ""));
  if (!is_plugin(plugin, "Message")) return -1;
  std::vector<std::string> shown;
  if (flags & FMSG_ALLINONE) {
    std::string all = utf8_of(reinterpret_cast<const wchar_t*>(items));
    if (!all.empty() && all.back() == '\n') all.pop_back();
    for (std::size_t from = 0;;) {
      const std::size_t cut = all.find('\n', from);
      shown.push_back(all.substr(from, cut == std::string::npos ? cut : cut - from));
      if (cut == std::string::npos) break;
      from = cut + 1;
    }
  } else {
    if (count < 2 && !(flags & FMSG_ERRORTYPE)) return -1;
    for (std::size_t i = 0; i < count; ++i) shown.push_back(utf8_of(items[i]));
  }
  messages_shown.push_back(shown);
  return 0;
}

panel* far3_table::panel_of(HANDLE handle, int* side) {
  if (handle == panel_active || handle == nullptr) {
    *side = host_.active;
  } else if (handle == panel_passive) {
    *side = 1 - host_.active;
  } else {
    return nullptr;
  }
  return &host_.panels[*side];
}

std::string far3_table::summary(const panel& shown) const {
  std::string text = shown.dir + "|" + number(static_cast<int>(shown.kind)) + "|" +
                     number(shown.view_mode) + "|" + number(shown.sort_mode) +
                     (shown.reversed ? "r" : "") + "|" + number(shown.list().current) + "|" +
                     number(shown.list().top);
  for (const std::string& name : shown.selected_names()) text += "|" + name;
  return text;
}

bool far3_table::shown_as_is(int side) const { return drawn_[side] == summary(host_.panels[side]); }

void far3_table::draw_all() {
  ++full_draws;
  refresh_pending_ = false;
  host_.draw_panels();
  for (int side = 0; side < 2; ++side) drawn_[side] = summary(host_.panels[side]);
  for (far3_dialog* shown : running_) {
    shown->overdrawn = false;
    ++shown->draws;
  }
  host_.redraw();
}

void far3_table::panels_wait() {
  deliver_notices();
  draw_all();
}

void far3_table::deliver_notices() {
  // A handler that asks again at once would keep FAR here for ever.
  for (int round = 0;; ++round) {
    void* param = nullptr;
    {
      const std::lock_guard<std::mutex> hold(notices_mutex_);
      if (notices_.empty()) return;
      param = notices_.front();
      notices_.pop_front();
    }
    if (round == 1000) {
      fault("ACTL_SYNCHRO asked again from its own notice, for ever");
      const std::lock_guard<std::mutex> hold(notices_mutex_);
      notices_.clear();
      return;
    }
    ++notices_delivered;
    note("ProcessSynchroEvent");
    if (!synchro_handler) continue;
    ProcessSynchroEventInfo info{sizeof info, SE_COMMONSYNCHRO, param, nullptr};
    synchro_handler(&info);
  }
}

void far3_table::idle() {
  if (idle_hook) idle_hook();
  deliver_notices();
}

void far3_table::dialog_waits(far3_dialog& waiting) {
  deliver_notices();
  if (waiting.closed) return;
  // What FCTL_SETPANELDIRECTORY and FCTL_SETSORTMODE asked for is drawn once the plugin's code
  // has returned to the host.
  if (refresh_pending_) draw_all();
  if (!running_.empty() && running_.back()->overdrawn)
    screen_faults.emplace_back("a panel drawn over the dialog while it waits");
  for (int side = 0; side < 2; ++side)
    if (!shown_as_is(side))
      screen_faults.push_back(std::string(side == 0 ? "left" : "right") +
                              " panel shown as it was while the dialog waits: " + drawn_[side]);
}

bool far3_table::makes_key(const INPUT_RECORD& record) {
  const unsigned short lone = lone_modifier_;
  lone_modifier_ = 0;
  if (record.EventType == 0x2 || record.EventType == focus_event) return true;
  if (record.EventType != 0x1) return false;
  const auto& key = record.Event.KeyEvent;
  const bool modifier = key.wVirtualKeyCode >= 0x10 && key.wVirtualKeyCode <= 0x12;
  if (modifier) {
    if (key.bKeyDown) {
      lone_modifier_ = key.wVirtualKeyCode;
      return false;
    }
    return lone == key.wVirtualKeyCode;
  }
  return key.bKeyDown != 0;
}

void far3_table::dialog_started(far3_dialog& shown) { running_.push_back(&shown); }

void far3_table::dialog_ended(far3_dialog& shown) {
  running_.erase(std::remove(running_.begin(), running_.end(), &shown), running_.end());
  // The window under it is drawn again.
  draw_all();
}

far3_dialog* far3_table::dialog_of(HANDLE handle) const {
  for (const auto& made : dialogs)
    if (made.get() == handle && !made->freed) return made.get();
  return nullptr;
}

std::intptr_t far3_table::adv_control(const GUID* plugin, int command, std::intptr_t param1,
                                      void* param2) {
  note("AdvControl " + number(command));
  if (!is_plugin(plugin, "AdvControl")) return 0;
  switch (command) {
    case ACTL_GETFARMANAGERVERSION:
      if (param2) *static_cast<VersionInfo*>(param2) = version;
      return 1;
    case ACTL_REDRAWALL: draw_all(); return 1;
    case ACTL_SYNCHRO: {
      const std::lock_guard<std::mutex> hold(notices_mutex_);
      notices_.push_back(param2);
      return 0;
    }
    default: (void)param1; return 0;
  }
}

HANDLE far3_table::dialog_init(const GUID* plugin, const far3_dialog_request& request) {
  note("DialogInit " + guid_text(request.id) + " " + number(request.x1) + " " + number(request.y1) +
       " " + number(request.x2) + " " + number(request.y2));
  if (!is_plugin(plugin, "DialogInit") || !request.items || !request.count || dialogs_refused)
    return invalid_handle;
  dialogs.push_back(std::make_unique<far3_dialog>(*this, request));
  return dialogs.back().get();
}

std::intptr_t far3_table::dialog_run(HANDLE handle) {
  far3_dialog* shown = dialog_of(handle);
  if (!shown || shown->running || shown->closed) {
    fault("DialogRun of a handle that is no dialog ready to run");
    return -1;
  }
  note("DialogRun " + guid_text(shown->id));
  return shown->run();
}

void far3_table::dialog_free(HANDLE handle) {
  far3_dialog* shown = dialog_of(handle);
  if (!shown || shown->running) {
    fault("DialogFree of a handle that is no dialog at rest");
    return;
  }
  note("DialogFree " + guid_text(shown->id));
  // Kept, so that a later dialog never has this handle.
  shown->freed = true;
}

std::intptr_t far3_table::send_dlg_message(HANDLE handle, std::intptr_t msg, std::intptr_t param1,
                                           void* param2) {
  far3_dialog* target = dialog_of(handle);
  const std::string entry = dialog_message_entry(msg, param1, param2);
  if (!target) {
    note(entry + " stale-handle");
    return 0;
  }
  note(entry);
  if (msg == DM_LISTSET && param2 && !size_taken(*static_cast<const FarList*>(param2)))
    fault("DM_LISTSET with StructSize " +
          number(static_cast<long long>(static_cast<const FarList*>(param2)->StructSize)));
  return target->message(msg, param1, param2);
}

std::intptr_t far3_table::def_dlg_proc(HANDLE handle, std::intptr_t msg, std::intptr_t,
                                       void* param2) {
  if (!dialog_of(handle)) {
    fault("DefDlgProc of a handle that is no dialog");
    return 0;
  }
  return far3_dialog::default_answer(msg, param2);
}

std::intptr_t far3_table::panel_control(HANDLE handle, int command, std::intptr_t param1,
                                        void* param2) {
  int side = 0;
  panel* target = panel_of(handle, &side);
  std::string entry = command_name(command);
  if (handle == panel_passive) entry += " passive";
  if (!target) {
    note(entry + " wrong-handle");
    return 0;
  }
  // FAR 3 names Param1 0 for these.
  const bool param1_zero = command == FCTL_GETPANELINFO || command == FCTL_REDRAWPANEL ||
                           command == FCTL_SETPANELDIRECTORY || command == FCTL_BEGINSELECTION ||
                           command == FCTL_ENDSELECTION;
  if (param1_zero && param1) owner().reserved_not_zero.emplace_back(entry + " Param1");
  const std::intptr_t result = panel_command(*target, side, command, param1, param2);
  switch (command) {
    case FCTL_SETPANELDIRECTORY:
      if (param2) entry += " " + utf8_of(static_cast<const FarPanelDirectory*>(param2)->Name);
      break;
    case FCTL_REDRAWPANEL:
      if (param2) {
        const auto& redraw = *static_cast<const PanelRedrawInfo*>(param2);
        entry += " " + number(static_cast<long long>(redraw.CurrentItem)) + " " +
                 number(static_cast<long long>(redraw.TopPanelItem));
      } else {
        entry += " null";
      }
      break;
    case FCTL_SETSELECTION: entry += " " + number(param1) + (param2 ? " 1" : " 0"); break;
    case FCTL_SETVIEWMODE:
    case FCTL_SETSORTMODE:
    case FCTL_SETSORTORDER:
    case FCTL_UPDATEPANEL:
    case FCTL_GETPANELITEM:
    case FCTL_GETSELECTEDPANELITEM: entry += " " + number(param1); break;
    default: break;
  }
  note(entry);
  return result;
}

std::intptr_t far3_table::panel_command(panel& target, int side, int command, std::intptr_t param1,
                                        void* param2) {
  item_list& shown = target.list();
  switch (command) {
    case FCTL_GETPANELINFO: {
      if (!param2) return 0;
      auto& info = *static_cast<PanelInfo*>(param2);
      if (!size_taken(info)) {
        fault("FCTL_GETPANELINFO with StructSize " +
              number(static_cast<long long>(info.StructSize)));
        return 0;
      }
      const std::size_t size = info.StructSize;
      info = PanelInfo{};
      info.StructSize = size;
      const bool plugin = target.kind == panel_kind::plugin;
      if (plugin) {
        info.PluginHandle = &target;
        info.OwnerGuid = plugin_panel_owner;
      }
      info.Flags = PFLAGS_SHOWHIDDEN | PFLAGS_HIGHLIGHT | PFLAGS_DIRECTORIESFIRST | PFLAGS_VISIBLE |
                   (plugin ? PFLAGS_PLUGIN : PFLAGS_REALNAMES) |
                   (target.reversed ? PFLAGS_REVERSESORTORDER : 0) |
                   (side == 0 ? PFLAGS_PANELLEFT : 0) | (side == host_.active ? PFLAGS_FOCUS : 0);
      info.PanelRect = {target.rect.left, target.rect.top, target.rect.right, target.rect.bottom};
      info.ViewMode = target.view_mode;
      info.SortMode = target.sort_mode;
      switch (target.kind) {
        case panel_kind::tree: info.PanelType = PTYPE_TREEPANEL; break;
        case panel_kind::info: info.PanelType = PTYPE_INFOPANEL; break;
        case panel_kind::quick_view: info.PanelType = PTYPE_QVIEWPANEL; break;
        default: info.PanelType = PTYPE_FILEPANEL; break;
      }
      if (target.shows_items()) {
        info.ItemsNumber = shown.items.size();
        info.CurrentItem = static_cast<std::size_t>(shown.current);
        info.TopPanelItem = static_cast<std::size_t>(shown.top);
        std::size_t selected = 0;
        for (const auto& item : shown.items)
          if (item.Flags & item_selected) ++selected;
        // Nothing selected: the item under the cursor stands in, unless it is "..".
        const far_host::PluginPanelItem* under = shown.current_item();
        if (!selected && under && !is_up(*under)) selected = 1;
        info.SelectedItemsNumber = selected;
      }
      return 1;
    }
    case FCTL_GETPANELDIRECTORY: {
      const bool plugin = target.kind == panel_kind::plugin;
      const std::string dir = plugin ? target.plugin_dir.name
                              : target.kind == panel_kind::tree && !target.tree.empty()
                                  ? target.tree[static_cast<std::size_t>(target.tree_current)].path
                                  : target.dir;
      const std::wstring name = wide_of(dir);
      const std::wstring file = plugin ? wide_of(target.plugin_dir.file) : std::wstring();
      const std::wstring data = plugin ? wide_of(target.plugin_dir.param) : std::wstring();
      // The record, then Name, File and Param, each ended.
      const std::size_t needed = sizeof(FarPanelDirectory) +
                                 (name.size() + file.size() + data.size() + 3) * sizeof(wchar_t);
      if (!param2 || param1 < static_cast<std::intptr_t>(needed))
        return static_cast<std::intptr_t>(needed);
      auto& record = *static_cast<FarPanelDirectory*>(param2);
      if (!size_taken(record)) {
        fault("FCTL_GETPANELDIRECTORY with StructSize " +
              number(static_cast<long long>(record.StructSize)));
        return 0;
      }
      auto* next = reinterpret_cast<wchar_t*>(&record + 1);
      auto put = [&next](const std::wstring& text) {
        wchar_t* start = next;
        next = std::copy(text.begin(), text.end(), next);
        *next++ = L'\0';
        return start;
      };
      record.Name = put(name);
      record.File = put(file);
      record.Param = put(data);
      record.PluginId = plugin ? plugin_panel_owner : GUID{};
      return static_cast<std::intptr_t>(needed);
    }
    case FCTL_GETPANELITEM:
    case FCTL_GETSELECTEDPANELITEM:
    case FCTL_GETCURRENTPANELITEM: return item_record(target, command, param1, param2);
    case FCTL_SETPANELDIRECTORY: {
      if (!param2) return 0;
      const auto& record = *static_cast<const FarPanelDirectory*>(param2);
      if (!size_taken(record)) {
        fault("FCTL_SETPANELDIRECTORY with StructSize " +
              number(static_cast<long long>(record.StructSize)));
        return 0;
      }
      if (!record.Name) return 0;
      if (target.kind == panel_kind::plugin) target.close_plugin_panel();
      for (auto& item : target.files.items) item.Flags &= ~item_selected;
      // Read again even when it is the folder shown; a tree, info or quick view panel stays.
      const bool entered = host_.change_dir(target, utf8_of(record.Name));
      refresh_pending_ = true;
      return entered ? 1 : 0;
    }
    case FCTL_SETVIEWMODE:
      if (param1 < 0 || param1 > 9) return 0;
      if (target.kind != panel_kind::plugin) target.kind = panel_kind::files;
      target.view_mode = static_cast<int>(param1);
      target.move_cursor(target.list().current);
      return 1;
    case FCTL_SETSORTMODE: {
      if (param1 < SM_UNSORTED || param1 >= SM_COUNT) return 0;
      const int mode = static_cast<int>(param1);
      // The active mode turns round; another takes its own default direction.
      const bool reverse = mode == target.sort_mode
                               ? !target.reversed
                               : std::find(reversed_by_default.begin(), reversed_by_default.end(),
                                           mode) != reversed_by_default.end();
      ++target.sorts;
      target.set_sort(mode, reverse);
      refresh_pending_ = true;
      return 1;
    }
    case FCTL_SETSORTORDER:
      ++target.sorts;
      target.set_sort(target.sort_mode, param1 != 0);
      // Drawn at once, over a dialog that covers the panel.
      target.drawn_dir = target.dir;
      drawn_[side] = summary(target);
      if (!running_.empty()) running_.back()->overdrawn = true;
      return 1;
    case FCTL_SETSELECTION: {
      if (!target.shows_items()) return 0;
      if (param1 < 0 || param1 >= static_cast<std::intptr_t>(shown.items.size())) {
        // FAR indexes its items blindly.
        fault("FCTL_SETSELECTION " + number(param1) + " of " +
              number(static_cast<long long>(shown.items.size())) + " items");
        return 0;
      }
      far_host::PluginPanelItem& item = shown.items[static_cast<std::size_t>(param1)];
      if (is_up(item)) return 1;
      if (param2)
        item.Flags |= item_selected;
      else
        item.Flags &= ~item_selected;
      return 1;
    }
    case FCTL_BEGINSELECTION:
    case FCTL_ENDSELECTION: return target.shows_items() ? 1 : 0;
    case FCTL_REDRAWPANEL:
      if (param2) {
        const auto& redraw = *static_cast<const PanelRedrawInfo*>(param2);
        if (!size_taken(redraw)) {
          fault("FCTL_REDRAWPANEL with StructSize " +
                number(static_cast<long long>(redraw.StructSize)));
          return 0;
        }
        if (target.shows_items()) {
          auto to_int = [](std::size_t value) {
            return static_cast<int>(std::min<std::size_t>(value, INT_MAX));
          };
          target.set_cursor_and_top(to_int(redraw.CurrentItem), to_int(redraw.TopPanelItem));
        }
      }
      // Drawn only while the panels are the top window.
      if (running_.empty()) {
        target.drawn_dir = target.dir;
        drawn_[side] = summary(target);
      }
      return 1;
    case FCTL_UPDATEPANEL:
      if (!param1)
        for (auto& item : target.files.items) item.Flags &= ~item_selected;
      host_.reread(target);
      return 1;
    default: return 0;
  }
}

// FAR's two calls per item: the size alone, then the record with its texts after it.
std::intptr_t far3_table::item_record(const panel& source, int command, std::intptr_t index,
                                      void* param2) {
  if (!source.shows_items()) return 0;
  const item_list& shown = source.list();
  const far_host::PluginPanelItem* item = nullptr;
  bool stand_in = false;
  if (command == FCTL_GETCURRENTPANELITEM) {
    item = shown.current_item();
  } else if (command == FCTL_GETPANELITEM) {
    if (index >= 0 && index < static_cast<std::intptr_t>(shown.items.size()))
      item = &shown.items[static_cast<std::size_t>(index)];
  } else {
    std::intptr_t seen = 0;
    for (const auto& each : shown.items)
      if ((each.Flags & item_selected) && seen++ == index) {
        item = &each;
        break;
      }
    // Nothing selected: index 0 is the item under the cursor, ".." too, unmarked.
    if (!seen && index == 0) {
      item = shown.current_item();
      stand_in = true;
    }
  }
  if (!item) return 0;
  item_texts strings{wide_of(item->FindData.cFileName), is_up(*item) ? L".." : L""};
  const std::size_t needed = strings.bytes();
  auto* request = static_cast<FarGetPluginPanelItem*>(param2);
  if (!request || !request->Item) return static_cast<std::intptr_t>(needed);
  if (!size_taken(*request)) {
    fault(std::string(command_name(command)) + " with StructSize " +
          number(static_cast<long long>(request->StructSize)));
    return 0;
  }
  if (request->Size < sizeof(PluginPanelItem)) return static_cast<std::intptr_t>(needed);
  if (reinterpret_cast<std::uintptr_t>(request->Item) % alignof(PluginPanelItem))
    fault(std::string(command_name(command)) + " into a buffer not aligned for the record");
  PluginPanelItem& record = *request->Item;
  record = PluginPanelItem{};
  const auto& data = item->FindData;
  record.CreationTime = time_of(data.ftCreationTime);
  record.LastAccessTime = time_of(data.ftLastAccessTime);
  record.LastWriteTime = time_of(data.ftLastWriteTime);
  record.ChangeTime = record.LastWriteTime;
  record.FileSize = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  record.FileAttributes = data.dwFileAttributes;
  record.Flags = (!stand_in && (item->Flags & item_selected) ? PPIF_SELECTED : 0) |
                 (is_up(*item) ? reserved_item_flag : 0);
  if (request->Size >= needed) {
    auto* out = reinterpret_cast<wchar_t*>(request->Item + 1);
    std::copy(strings.name.begin(), strings.name.end(), out);
    out[strings.name.size()] = L'\0';
    record.FileName = out;
    if (!strings.alternate.empty()) {
      wchar_t* alternate = out + strings.name.size() + 1;
      std::copy(strings.alternate.begin(), strings.alternate.end(), alternate);
      alternate[strings.alternate.size()] = L'\0';
      record.AlternateFileName = alternate;
    }
  }
  return static_cast<std::intptr_t>(needed);
}

}  // namespace host_core
