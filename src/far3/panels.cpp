// The panels through FAR 3's PanelControl: a panel's record holds no items, its directory and
// its items are fetched one at a time, each in two calls (its size, then its copy).
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "binding/panels.h"
#include "far3/host_api.h"
#include "host/windows_api.h"
#include "views/file_panel_view.h"

namespace far_tolvane {

using far3_host::PanelInfo;
using far3_host::PluginPanelItem;

namespace {

// A block the host writes a record and its strings into (new gives it the alignment of any
// record that fits); kept and grown as asked, so that a pass over many items allocates once.
class host_buffer {
 public:
  // Null when memory is short.
  void* room(std::size_t bytes) {
    if (bytes > capacity_) {
      std::unique_ptr<char[]> fresh(new (std::nothrow) char[bytes]);
      if (!fresh) return nullptr;
      block_ = std::move(fresh);
      capacity_ = bytes;
    }
    return block_.get();
  }
  std::size_t capacity() const { return capacity_; }
  void release() {
    block_.reset();
    capacity_ = 0;
  }

 private:
  std::unique_ptr<char[]> block_;
  std::size_t capacity_ = 0;
};

// The last query: which panel, its record, and whether the host answered.
far3_host::HANDLE last_panel = far3_host::panel_active;
PanelInfo last_answer{};
bool last_answered = false;
host_buffer directory_buffer;
host_buffer item_buffer;
host_buffer prefixed_path_buffer;
host_buffer short_path_buffer;

std::intptr_t control(far3_host::HANDLE panel, far3_host::FILE_CONTROL_COMMANDS command,
                      std::intptr_t param1 = 0, void* param2 = nullptr) {
  return host_api.PanelControl(panel, command, param1, param2);
}

bool query(far3_host::HANDLE panel, PanelInfo& info) {
  info = PanelInfo{};
  info.StructSize = sizeof info;
  const bool filled = control(panel, far3_host::FCTL_GETPANELINFO, 0, &info) != 0;
  if (!filled) info = PanelInfo{};
  return filled;
}

// One item by a command of the item family; null when there is none, or no memory for it.
const PluginPanelItem* fetch_item(far3_host::HANDLE panel, far3_host::FILE_CONTROL_COMMANDS command,
                                  std::size_t index, bool& short_of_memory) {
  const auto param1 = static_cast<std::intptr_t>(index);
  const auto size = static_cast<std::size_t>(control(panel, command, param1));
  if (size < sizeof(PluginPanelItem)) return nullptr;
  void* room = item_buffer.room(size);
  if (!room) {
    short_of_memory = true;
    return nullptr;
  }
  far3_host::FarGetPluginPanelItem request{sizeof request, item_buffer.capacity(),
                                           static_cast<PluginPanelItem*>(room)};
  control(panel, command, param1, &request);
  const auto* item = static_cast<const PluginPanelItem*>(room);
  return item->FileName ? item : nullptr;
}

// The selected items of the panel last queried, by the selected-items query. With nothing
// selected the host hands out the current item in their place, without PPIF_SELECTED.
class selected_items final : public name_source {
 public:
  bool next(host_text& name) override {
    while (next_ < count_ && !short_) {
      const PluginPanelItem* item =
          fetch_item(last_panel, far3_host::FCTL_GETSELECTEDPANELITEM, next_++, short_);
      if (!item || !(item->Flags & far3_host::PPIF_SELECTED)) continue;
      name = item->FileName;
      return true;
    }
    return false;
  }
  bool failed() const override { return short_; }

 private:
  std::size_t next_ = 0;
  std::size_t count_ = last_answered ? last_answer.SelectedItemsNumber : 0;
  bool short_ = false;
};

// Every item of the focused panel, selected by index; the names come one by one.
class focused_items final : public panel_items {
 public:
  explicit focused_items(std::size_t count)
      : count_(static_cast<int>(std::min<std::size_t>(count, INT32_MAX))) {}
  int count() const override { return count_; }
  host_text name(int index) override {
    bool short_of_memory = false;
    const PluginPanelItem* item = fetch_item(far3_host::panel_active, far3_host::FCTL_GETPANELITEM,
                                             static_cast<std::size_t>(index), short_of_memory);
    return item ? host_text(item->FileName) : host_text();
  }
  void select(int index) override {
    int selected = 1;
    control(far3_host::panel_active, far3_host::FCTL_SETSELECTION, index, &selected);
  }

 private:
  int count_;
};

// One bracket for the whole selection; the directory's change has cleared the old one.
void restore_selection(const selected_names& names) {
  PanelInfo fresh{};
  if (names.count() == 0 || !query(far3_host::panel_active, fresh)) return;
  focused_items items(fresh.ItemsNumber);
  control(far3_host::panel_active, far3_host::FCTL_BEGINSELECTION);
  names.select_in(items);
  control(far3_host::panel_active, far3_host::FCTL_ENDSELECTION);
}

// FAR re-sorts on every sort call, and a sort-mode call naming the active mode turns the order
// round: each is sent only when the panel differs, the order after the mode, which sets its own.
// FAR turns down a mode of a macro's (and leaves the panel's), but may one day take it.
void restore_sort(const panel_report& wanted) {
  PanelInfo now{};
  if (!query(far3_host::panel_active, now)) return;
  if (now.SortMode != wanted.sort_mode) {
    control(far3_host::panel_active, far3_host::FCTL_SETSORTMODE, wanted.sort_mode);
    if (!query(far3_host::panel_active, now)) return;
  }
  const bool reversed = (now.Flags & far3_host::PFLAGS_REVERSESORTORDER) != 0;
  if (reversed != wanted.reversed)
    control(far3_host::panel_active, far3_host::FCTL_SETSORTORDER, wanted.reversed ? 1 : 0);
}

// False when the host could not enter the folder.
bool change_dir(const host_char* dir) {
  far3_host::FarPanelDirectory target{};
  target.StructSize = sizeof target;
  target.Name = dir;
  return control(far3_host::panel_active, far3_host::FCTL_SETPANELDIRECTORY, 0, &target) != 0;
}

}  // namespace

bool query_panel(which_panel which, panel_report& report) {
  last_panel = which == which_panel::focused ? far3_host::panel_active : far3_host::panel_passive;
  last_answered = query(last_panel, last_answer);
  report = panel_report{};
  report.type = last_answer.PanelType;
  report.plugin = (last_answer.Flags & far3_host::PFLAGS_PLUGIN) != 0;
  report.left = last_answer.PanelRect.left;
  report.right = last_answer.PanelRect.right;
  report.current_item = static_cast<int>(last_answer.CurrentItem);
  report.top_item = static_cast<int>(last_answer.TopPanelItem);
  report.view_mode = static_cast<int>(last_answer.ViewMode);
  report.sort_mode = last_answer.SortMode;
  report.reversed = (last_answer.Flags & far3_host::PFLAGS_REVERSESORTORDER) != 0;
  return last_answered;
}

// Asked only when a view takes the directory: the focus test needs none.
bool queried_dir(host_text& dir) {
  dir = host_text();
  if (!last_answered) return true;
  const auto size =
      static_cast<std::size_t>(control(last_panel, far3_host::FCTL_GETPANELDIRECTORY));
  if (size < sizeof(far3_host::FarPanelDirectory)) return true;
  void* room = directory_buffer.room(size);
  if (!room) return false;
  auto* record = static_cast<far3_host::FarPanelDirectory*>(room);
  record->StructSize = sizeof *record;
  control(last_panel, far3_host::FCTL_GETPANELDIRECTORY,
          static_cast<std::intptr_t>(directory_buffer.capacity()), record);
  if (record->Name) dir = record->Name;
  return true;
}

bool take_selected_names(selected_names& names) {
  selected_items source;
  return names.take_from(source);
}

bool apply_panel(const saved_panel_state& state, const selected_names& names, bool exists) {
  const panel_report& panel = state.panel;
  // A folder FAR 3 refuses to enter leaves the panel in its own folder, which the rest of the
  // view is not for.
  if (!change_dir(exists ? state.dir.c_str() : fallback_dir.c_str())) return false;
  PanelInfo now{};
  if (query(far3_host::panel_active, now)) {
    // Only the view-mode call turns a tree, info or quick view panel back into a file panel;
    // one of the kind the view was taken on stays so.
    const bool covered = now.PanelType != far3_host::PTYPE_FILEPANEL && now.PanelType != panel.type;
    if (covered || now.ViewMode != panel.view_mode)
      control(far3_host::panel_active, far3_host::FCTL_SETVIEWMODE, panel.view_mode);
  }
  restore_sort(panel);
  if (exists) {
    restore_selection(names);
    far3_host::PanelRedrawInfo redraw{sizeof redraw,
                                      static_cast<std::size_t>(std::max(panel.current_item, 0)),
                                      static_cast<std::size_t>(std::max(panel.top_item, 0))};
    control(far3_host::panel_active, far3_host::FCTL_REDRAWPANEL, 0, &redraw);
  } else {
    control(far3_host::panel_active, far3_host::FCTL_REDRAWPANEL);
  }
  return true;
}

void set_focused_dir(const host_char* dir) { change_dir(dir); }

// Past the system's classic limit a path is asked about with the prefix that lifts it. One that
// has a prefix already ("\\?\", or "\\.\" for a device) goes as it is: a second one would name a
// server "?". When not even that can be had, the directory is taken as there: a change into it
// fails harmlessly.
bool directory_exists(const host_char* path) {
  constexpr std::size_t classic_limit = 260;
  const host_text whole(path);
  // The first characters, as many as there are; substr would bring in the runtime's throw.
  const auto head = [&whole](std::size_t count) {
    return host_text(whole.data(), std::min(whole.size(), count));
  };
  const bool unc = head(2) == L"\\\\";
  const host_text start = head(4);
  const bool prefixed = start == L"\\\\?\\" || start == L"\\\\.\\";
  const host_char* asked = path;
  if (whole.size() >= classic_limit && !prefixed) {
    const host_text prefix = unc ? host_text(L"\\\\?\\UNC") : host_text(L"\\\\?\\");
    const host_text rest = unc ? whole.substr(1) : whole;
    auto* room = static_cast<host_char*>(
        prefixed_path_buffer.room((prefix.size() + rest.size() + 1) * sizeof(host_char)));
    if (!room) return true;
    std::copy(prefix.begin(), prefix.end(), room);
    std::copy(rest.begin(), rest.end(), room + prefix.size());
    room[prefix.size() + rest.size()] = 0;
    asked = room;
  }
  const DWORD attributes = GetFileAttributesW(asked);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The host shortens in place: a copy of the whole path. Without room for one, its tail.
const host_char* shorten_path(const host_char* path, int width) {
  const host_text whole(path);
  auto* room =
      static_cast<host_char*>(short_path_buffer.room((whole.size() + 1) * sizeof(host_char)));
  if (!room) return path + whole.size() - std::min(whole.size(), static_cast<std::size_t>(width));
  std::copy(whole.begin(), whole.end(), room);
  room[whole.size()] = 0;
  return host_api.FSF->TruncPathStr(room, width);
}

// FAR 3 shows a panel's change under a dialog when the dialog is redrawn, which every command
// of the list does after its apply.
void show_panels_under_dialog() {}

void release_panel_buffers() {
  for (host_buffer* buffer :
       {&directory_buffer, &item_buffer, &prefixed_path_buffer, &short_path_buffer})
    buffer->release();
}

}  // namespace far_tolvane
