// The panels through API 1.70's Control: one PanelInfo per query, which carries every item.
#include <cstring>

#include "binding/panels.h"
#include "far170/host_api.h"
#include "host/windows_api.h"
#include "views/file_panel_view.h"

namespace far_tolvane {

using far_host::PanelInfo;
using far_host::PluginPanelItem;

namespace {

// The last query's answer: its directory and items are read from here until the next one.
PanelInfo last_answer{};
char short_path_buffer[far_host::NM];
// The focused panel's modes as last seen: from its last query, or the last state applied to it.
// A folder the host refuses is known only after the view's modes went to the panel, which gets
// these back then.
panel_report focused_modes;

int panel_control(int command, void* param) {
  return host_api.Control(far_host::invalid_handle, command, param);
}

// A failed query yields a zeroed record whatever the host left in it.
bool query(int command, PanelInfo& info) {
  info = PanelInfo{};
  const bool filled = panel_control(command, &info) != 0;
  if (!filled) info = PanelInfo{};
  return filled;
}

host_text item_name(const PluginPanelItem& item) {
  const char* name = item.FindData.cFileName;
  return {name, strnlen(name, sizeof item.FindData.cFileName)};
}

// The record's items that carry PPIF_SELECTED, in the panel's order.
class selected_items final : public name_source {
 public:
  explicit selected_items(const PanelInfo& info)
      : items_(info.PanelItems), count_(info.PanelItems ? info.ItemsNumber : 0) {}
  bool next(host_text& name) override {
    while (next_ < count_) {
      const PluginPanelItem& item = items_[next_++];
      if (!(item.Flags & far_host::PPIF_SELECTED)) continue;
      name = item_name(item);
      return true;
    }
    return false;
  }

 private:
  const PluginPanelItem* items_;
  int count_;
  int next_ = 0;
};

// Selecting marks the record's item, which FCTL_SETSELECTION then hands back whole.
class record_items final : public panel_items {
 public:
  explicit record_items(PanelInfo& info)
      : items_(info.PanelItems), count_(info.PanelItems ? info.ItemsNumber : 0) {}
  int count() const override { return count_; }
  host_text name(int index) override { return item_name(items_[index]); }
  void select(int index) override { items_[index].Flags |= far_host::PPIF_SELECTED; }

 private:
  PluginPanelItem* items_;
  int count_;
};

void send_modes(const panel_report& modes) {
  int view_mode = modes.view_mode;
  panel_control(far_host::FCTL_SETVIEWMODE, &view_mode);
  int sort_mode = modes.sort_mode;
  panel_control(far_host::FCTL_SETSORTMODE, &sort_mode);
  int reversed = modes.reversed ? 1 : 0;
  panel_control(far_host::FCTL_SETSORTORDER, &reversed);
}

// Folder names as Windows matches them: letters of either case alike, a closing backslash or
// none. Letters outside ASCII are left to match exactly, as their case depends on the code page.
bool same_folder(const char* a, std::size_t a_size, const char* b) {
  auto trimmed = [](const char* text, std::size_t size) {
    return size > 3 && text[size - 1] == '\\' ? size - 1 : size;
  };
  const std::size_t size = trimmed(a, a_size);
  if (size != trimmed(b, std::strlen(b))) return false;
  auto folded = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < size; ++i)
    if (folded(a[i]) != folded(b[i])) return false;
  return true;
}

// The panel's fresh record tells whether the host entered the folder asked for; in a folder it
// refused the panel keeps its own selection and cursor. Without a record nothing is selected,
// and the folder is taken as entered.
bool restore_selection(const selected_names& names, const char* asked, int current, int top) {
  PanelInfo fresh{};
  bool entered = true;
  if (query(far_host::FCTL_GETPANELINFO, fresh)) {
    entered = same_folder(fresh.CurDir, strnlen(fresh.CurDir, sizeof fresh.CurDir - 1), asked);
    record_items items(fresh);
    if (entered) names.select_in(items);
    panel_control(far_host::FCTL_SETSELECTION, &fresh);
  }
  far_host::PanelRedrawInfo redraw{current, top};
  panel_control(far_host::FCTL_REDRAWPANEL, entered ? &redraw : nullptr);
  return entered;
}

}  // namespace

bool query_panel(which_panel which, panel_report& report) {
  const bool answered = query(which == which_panel::focused ? far_host::FCTL_GETPANELINFO
                                                            : far_host::FCTL_GETANOTHERPANELINFO,
                              last_answer);
  report.type = last_answer.PanelType;
  report.plugin = last_answer.Plugin == 1;
  report.left = last_answer.PanelRect.left;
  report.right = last_answer.PanelRect.right;
  report.current_item = last_answer.CurrentItem;
  report.top_item = last_answer.TopPanelItem;
  report.view_mode = last_answer.ViewMode;
  report.sort_mode = last_answer.SortMode;
  report.reversed = (last_answer.Flags & far_host::PFLAGS_REVERSESORTORDER) != 0;
  if (answered && which == which_panel::focused) focused_modes = report;
  return answered;
}

// A host that fills CurDir to its end has left out the terminator: the field holds 259
// characters and it.
bool queried_dir(host_text& dir) {
  dir = {last_answer.CurDir, strnlen(last_answer.CurDir, sizeof last_answer.CurDir - 1)};
  return true;
}

bool take_selected_names(selected_names& names) {
  selected_items source(last_answer);
  return names.take_from(source);
}

bool apply_panel(const saved_panel_state& state, const selected_names& names, bool exists) {
  const panel_report& panel = state.panel;
  const char* asked = exists ? state.dir.c_str() : fallback_dir.c_str();
  panel_control(far_host::FCTL_SETPANELDIR, const_cast<char*>(asked));
  send_modes(panel);
  bool entered = true;
  if (exists)
    entered = restore_selection(names, asked, panel.current_item, panel.top_item);
  else
    panel_control(far_host::FCTL_REDRAWPANEL, nullptr);
  if (!entered) {
    send_modes(focused_modes);
    return false;
  }
  int reversed = panel.reversed ? 1 : 0;
  panel_control(far_host::FCTL_SETSORTORDER, &reversed);
  focused_modes = panel;
  return true;
}

void set_focused_dir(const host_char* dir) {
  panel_control(far_host::FCTL_SETPANELDIR, const_cast<char*>(dir));
}

bool directory_exists(const host_char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

const host_char* shorten_path(const host_char* path, int width) {
  std::strncpy(short_path_buffer, path, sizeof short_path_buffer - 1);
  return host_api.FSF->TruncPathStr(short_path_buffer, width);
}

void show_panels_under_dialog() {
  if (host_hides_panels_under_dialogs())
    host_api.AdvControl(host_api.ModuleNumber, far_host::ACTL_REDRAWALL, nullptr);
}

// The API 1.70 host fills the plugin's fixed fields: there is no block to give back.
void release_panel_buffers() {}

}  // namespace far_tolvane
