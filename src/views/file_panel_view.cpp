#include "views/file_panel_view.h"

#include <cstring>
#include <new>

#include "host/message_ids.h"
#include "host/windows_api.h"
#include "plugin/host_api.h"

namespace far_tolvane {

using far_host::PanelInfo;

const char fallback_dir[] = "C:\\";

namespace {

char short_path_buffer[far_host::NM];

int panel_control(int command, void* param) {
  return host_api.Control(far_host::invalid_handle, command, param);
}

saved_panel_state state_of(const PanelInfo& info) {
  saved_panel_state state;
  state.PanelType = info.PanelType;
  state.Plugin = info.Plugin;
  state.CurrentItem = info.CurrentItem;
  state.TopPanelItem = info.TopPanelItem;
  state.ViewMode = info.ViewMode;
  state.SortMode = info.SortMode;
  state.Flags = info.Flags;
  std::memcpy(state.CurDir, info.CurDir, sizeof state.CurDir);
  state.CurDir[sizeof state.CurDir - 1] = '\0';
  return state;
}

std::unique_ptr<file_panel_view> build(const saved_panel_state& state, selected_names&& names,
                                       bool exists) {
  return std::unique_ptr<file_panel_view>(new (std::nothrow)
                                              file_panel_view(state, std::move(names), exists));
}

}  // namespace

PanelInfo query_panel(int command, bool* answered) {
  PanelInfo info{};
  const bool filled = panel_control(command, &info) != 0;
  if (!filled) info = PanelInfo{};
  if (answered) *answered = filled;
  return info;
}

std::unique_ptr<file_panel_view> file_panel_view::capture_active_panel() {
  return from_record(query_panel(far_host::FCTL_GETPANELINFO));
}

std::unique_ptr<file_panel_view> file_panel_view::capture_passive_panel() {
  return from_record(query_panel(far_host::FCTL_GETANOTHERPANELINFO));
}

std::unique_ptr<file_panel_view> file_panel_view::create_at_fallback_dir() {
  panel_control(far_host::FCTL_SETPANELDIR, const_cast<char*>(fallback_dir));
  return capture_active_panel();
}

std::unique_ptr<file_panel_view> file_panel_view::from_record(const PanelInfo& info) {
  selected_names names;
  if (!names.take_from(info.PanelItems, info.ItemsNumber)) return nullptr;
  return build(state_of(info), std::move(names), true);
}

file_panel_view::file_panel_view(const saved_panel_state& state, selected_names&& selected,
                                 bool exists)
    : panel(state), names(std::move(selected)), dir_exists(exists) {}

void file_panel_view::refresh_from_active_panel() {
  bool answered = false;
  const PanelInfo info = query_panel(far_host::FCTL_GETPANELINFO, &answered);
  if (answered) refresh_from(info);
}

void file_panel_view::refresh_from_passive_panel() {
  bool answered = false;
  const PanelInfo info = query_panel(far_host::FCTL_GETANOTHERPANELINFO, &answered);
  if (answered) refresh_from(info);
}

void file_panel_view::refresh_from(const PanelInfo& info) {
  if (!exists() && std::strncmp(info.CurDir, fallback_dir, sizeof info.CurDir) == 0) return;
  selected_names fresh;
  if (!fresh.take_from(info.PanelItems, info.ItemsNumber)) return;
  panel = state_of(info);
  names = std::move(fresh);
  dir_exists = true;
}

int file_panel_view::kind_message_id() const {
  if (panel.Plugin == 1) return far_host::MKindPlugin;
  switch (panel.PanelType) {
    case far_host::PTYPE_FILEPANEL: return far_host::MKindFile;
    case far_host::PTYPE_TREEPANEL: return far_host::MKindTree;
    case far_host::PTYPE_QVIEWPANEL: return far_host::MKindQuickView;
    case far_host::PTYPE_INFOPANEL: return far_host::MKindInfo;
    default: return far_host::MKindOther;
  }
}

const char* file_panel_view::path() const { return panel.CurDir; }

const char* file_panel_view::short_path(int width) const {
  std::memcpy(short_path_buffer, panel.CurDir, sizeof short_path_buffer);
  return host_api.FSF->TruncPathStr(short_path_buffer, width);
}

bool file_panel_view::is_special_panel() const {
  return panel.Plugin == 1 || panel.PanelType != far_host::PTYPE_FILEPANEL;
}

bool file_panel_view::exists() const { return dir_exists; }

bool file_panel_view::check_exists() {
  const DWORD attributes = GetFileAttributesA(panel.CurDir);
  dir_exists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return dir_exists;
}

void file_panel_view::apply() const {
  panel_control(far_host::FCTL_SETPANELDIR,
                const_cast<char*>(exists() ? panel.CurDir : fallback_dir));
  int view_mode = panel.ViewMode;
  panel_control(far_host::FCTL_SETVIEWMODE, &view_mode);
  int sort_mode = panel.SortMode;
  panel_control(far_host::FCTL_SETSORTMODE, &sort_mode);
  int reversed = (panel.Flags & far_host::PFLAGS_REVERSESORTORDER) ? 1 : 0;
  panel_control(far_host::FCTL_SETSORTORDER, &reversed);
  if (exists()) {
    restore_selection();
    far_host::PanelRedrawInfo redraw{panel.CurrentItem, panel.TopPanelItem};
    panel_control(far_host::FCTL_REDRAWPANEL, &redraw);
  } else {
    panel_control(far_host::FCTL_REDRAWPANEL, nullptr);
  }
  panel_control(far_host::FCTL_SETSORTORDER, &reversed);
}

// Without a fresh record there is nothing to select.
void file_panel_view::restore_selection() const {
  bool answered = false;
  PanelInfo fresh = query_panel(far_host::FCTL_GETPANELINFO, &answered);
  if (!answered) return;
  names.select_in(fresh.PanelItems, fresh.ItemsNumber);
  panel_control(far_host::FCTL_SETSELECTION, &fresh);
}

std::unique_ptr<view> file_panel_view::clone() const {
  selected_names copy;
  if (!copy.copy_from(names)) return nullptr;
  return build(panel, std::move(copy), dir_exists);
}

}  // namespace far_tolvane
