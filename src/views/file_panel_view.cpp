#include "views/file_panel_view.h"

#include <cstring>
#include <string_view>
#include <unordered_set>

#include "host/message_ids.h"
#include "host/windows_api.h"
#include "plugin/host_api.h"

namespace far_tolvane {

using far_host::PanelInfo;
using far_host::PluginPanelItem;

const char fallback_dir[] = "C:\\";

namespace {

char short_path_buffer[far_host::NM];

int panel_control(int command, void* param) {
  return host_api.Control(far_host::invalid_handle, command, param);
}

char* duplicate(const char* text) {
  if (!text) return nullptr;
  const std::size_t size = std::strlen(text) + 1;
  char* copy = new char[size];
  std::memcpy(copy, text, size);
  return copy;
}

std::string_view file_name(const PluginPanelItem& item) {
  const char* name = item.FindData.cFileName;
  return {name, strnlen(name, sizeof item.FindData.cFileName)};
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
  return std::make_unique<file_panel_view>(query_panel(far_host::FCTL_GETPANELINFO));
}

std::unique_ptr<file_panel_view> file_panel_view::capture_passive_panel() {
  return std::make_unique<file_panel_view>(query_panel(far_host::FCTL_GETANOTHERPANELINFO));
}

std::unique_ptr<file_panel_view> file_panel_view::create_at_fallback_dir() {
  panel_control(far_host::FCTL_SETPANELDIR, const_cast<char*>(fallback_dir));
  return capture_active_panel();
}

file_panel_view::file_panel_view(const PanelInfo& info) : panel_info(info) { copy_items(nullptr); }

file_panel_view::file_panel_view(const file_panel_view& source)
    : view(source), panel_info(source.panel_info), dir_exists(source.dir_exists) {
  copy_items(nullptr);
}

file_panel_view::~file_panel_view() {
  free_item_texts();
  delete[] panel_info.PanelItems;
}

void file_panel_view::refresh_from_active_panel() {
  refresh_from(query_panel(far_host::FCTL_GETPANELINFO));
}

void file_panel_view::refresh_from_passive_panel() {
  refresh_from(query_panel(far_host::FCTL_GETANOTHERPANELINFO));
}

void file_panel_view::refresh_from(const PanelInfo& info) {
  if (!exists() && std::strcmp(info.CurDir, fallback_dir) == 0) return;
  free_item_texts();
  PluginPanelItem* const saved_items = panel_info.PanelItems;
  panel_info = info;
  dir_exists = true;
  copy_items(saved_items);
}

int file_panel_view::kind_message_id() const {
  if (panel_info.Plugin == 1) return far_host::MKindPlugin;
  switch (panel_info.PanelType) {
    case far_host::PTYPE_FILEPANEL: return far_host::MKindFile;
    case far_host::PTYPE_TREEPANEL: return far_host::MKindTree;
    case far_host::PTYPE_QVIEWPANEL: return far_host::MKindQuickView;
    case far_host::PTYPE_INFOPANEL: return far_host::MKindInfo;
    default: return far_host::MKindOther;
  }
}

const char* file_panel_view::path() const { return panel_info.CurDir; }

const char* file_panel_view::short_path(int width) const {
  std::memcpy(short_path_buffer, panel_info.CurDir, sizeof short_path_buffer);
  short_path_buffer[sizeof short_path_buffer - 1] = '\0';
  return host_api.FSF->TruncPathStr(short_path_buffer, width);
}

bool file_panel_view::is_special_panel() const {
  return panel_info.Plugin == 1 || panel_info.PanelType != far_host::PTYPE_FILEPANEL;
}

bool file_panel_view::exists() const { return dir_exists; }

bool file_panel_view::check_exists() {
  const DWORD attributes = GetFileAttributesA(panel_info.CurDir);
  dir_exists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  return dir_exists;
}

void file_panel_view::apply() const {
  panel_control(far_host::FCTL_SETPANELDIR,
                const_cast<char*>(exists() ? panel_info.CurDir : fallback_dir));
  int view_mode = panel_info.ViewMode;
  panel_control(far_host::FCTL_SETVIEWMODE, &view_mode);
  int sort_mode = panel_info.SortMode;
  panel_control(far_host::FCTL_SETSORTMODE, &sort_mode);
  int reversed = (panel_info.Flags & far_host::PFLAGS_REVERSESORTORDER) ? 1 : 0;
  panel_control(far_host::FCTL_SETSORTORDER, &reversed);
  if (exists()) {
    restore_selection();
    far_host::PanelRedrawInfo redraw{panel_info.CurrentItem, panel_info.TopPanelItem};
    panel_control(far_host::FCTL_REDRAWPANEL, &redraw);
  } else {
    panel_control(far_host::FCTL_REDRAWPANEL, nullptr);
  }
  panel_control(far_host::FCTL_SETSORTORDER, &reversed);
}

// Each saved selected name selects the first fresh item of exactly that name. One pass over the
// fresh items against a set of the wanted names keeps this linear, where a scan per saved name
// would be quadratic on large directories. Without a fresh record there is nothing to select.
void file_panel_view::restore_selection() const {
  bool answered = false;
  PanelInfo fresh = query_panel(far_host::FCTL_GETPANELINFO, &answered);
  if (!answered) return;
  std::unordered_set<std::string_view> wanted;
  for (int i = 0; i < panel_info.ItemsNumber; ++i)
    if (panel_info.PanelItems[i].Flags & far_host::PPIF_SELECTED)
      wanted.insert(file_name(panel_info.PanelItems[i]));
  for (int j = 0; j < fresh.ItemsNumber && !wanted.empty(); ++j) {
    PluginPanelItem& item = fresh.PanelItems[j];
    if (wanted.erase(file_name(item))) item.Flags |= far_host::PPIF_SELECTED;
  }
  panel_control(far_host::FCTL_SETSELECTION, &fresh);
}

std::unique_ptr<view> file_panel_view::clone() const {
  return std::make_unique<file_panel_view>(*this);
}

// Every opening refreshes the two shown views, mostly with the same directory as before: their
// arrays are taken again when the items fit, since a fresh array of a large directory costs more
// than the copy into it. A much smaller panel gets an array of its own size.
void file_panel_view::copy_items(PluginPanelItem* reusable) {
  const PluginPanelItem* source = panel_info.PanelItems;
  if (!source) panel_info.ItemsNumber = 0;
  const int count = panel_info.ItemsNumber > 0 ? panel_info.ItemsNumber : 0;
  if (count > 0 && count <= item_capacity && count >= item_capacity / 2) {
    panel_info.PanelItems = reusable;
  } else {
    delete[] reusable;
    panel_info.PanelItems = count > 0 ? new PluginPanelItem[count] : nullptr;
    item_capacity = count;
  }
  if (count > 0) std::memcpy(panel_info.PanelItems, source, count * sizeof(PluginPanelItem));
  for (int i = 0; i < count; ++i) {
    PluginPanelItem& item = panel_info.PanelItems[i];
    item.Description = duplicate(item.Description);
    item.Owner = duplicate(item.Owner);
    if (item.CustomColumnData) {
      const int columns = item.CustomColumnNumber > 0 ? item.CustomColumnNumber : 0;
      char** data = new char*[columns > 0 ? columns : 1];
      for (int c = 0; c < columns; ++c) data[c] = duplicate(item.CustomColumnData[c]);
      item.CustomColumnData = data;
    }
  }
}

void file_panel_view::free_item_texts() {
  const int count = panel_info.ItemsNumber > 0 ? panel_info.ItemsNumber : 0;
  for (int i = 0; i < count; ++i) {
    PluginPanelItem& item = panel_info.PanelItems[i];
    delete[] item.Description;
    delete[] item.Owner;
    if (item.CustomColumnData) {
      for (int c = 0; c < item.CustomColumnNumber; ++c) delete[] item.CustomColumnData[c];
      delete[] item.CustomColumnData;
    }
  }
}

}  // namespace far_tolvane
