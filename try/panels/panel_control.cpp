#include "panels/panel_control.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "console/code_page.h"

namespace try_host {

using namespace far_host;

namespace {

// Panel flags the host reports besides the reverse order.
constexpr far_host::DWORD flag_show_hidden = 0x1, flag_highlight = 0x2, flag_real_names = 0x20,
                          flag_panel_left = 0x80;
constexpr int last_sort_mode = 11;

int panel_type(panel_kind kind) {
  switch (kind) {
    case panel_kind::tree: return PTYPE_TREEPANEL;
    case panel_kind::info: return PTYPE_INFOPANEL;
    case panel_kind::quick_view: return PTYPE_QVIEWPANEL;
    default: return PTYPE_FILEPANEL;
  }
}

PluginPanelItem panel_item(const entry& source) {
  PluginPanelItem item{};
  auto& found = item.FindData;
  found.dwFileAttributes = source.attributes;
  found.ftCreationTime = {static_cast<far_host::DWORD>(source.created),
                          static_cast<far_host::DWORD>(source.created >> 32)};
  found.ftLastAccessTime = {static_cast<far_host::DWORD>(source.accessed),
                            static_cast<far_host::DWORD>(source.accessed >> 32)};
  found.ftLastWriteTime = {static_cast<far_host::DWORD>(source.written),
                           static_cast<far_host::DWORD>(source.written >> 32)};
  found.nFileSizeHigh = static_cast<far_host::DWORD>(source.size >> 32);
  found.nFileSizeLow = static_cast<far_host::DWORD>(source.size);
  std::strncpy(found.cFileName, narrow(source.name, CP_OEMCP).c_str(), sizeof found.cFileName - 1);
  item.Flags = source.selected ? PPIF_SELECTED : 0;
  item.NumberOfLinks = 1;
  return item;
}

void column_layout(int view_mode, PanelInfo& info) {
  const char* types = "N,S,D,T";
  const char* widths = "0,10,0,5";
  switch (view_mode) {
    case 1:
      types = "N,N,N";
      widths = "0,0,0";
      break;
    case 2:
      types = "N,N";
      widths = "0,0";
      break;
    case 4:
      types = "N";
      widths = "0";
      break;
    default: break;
  }
  std::strcpy(info.ColumnTypes, types);
  std::strcpy(info.ColumnWidths, widths);
}

}  // namespace

void panel_control::fill_info(const panel& source, bool focused, bool left, PanelInfo& info) {
  info = PanelInfo{};
  info.PanelType = panel_type(source.kind);
  info.Plugin = source.kind == panel_kind::plugin ? 1 : 0;
  info.PanelRect = source.rect;
  items_.clear();
  selected_.clear();
  if (source.shows_items()) {
    const file_list& list = source.list();
    for (const entry& each : list.entries) {
      items_.push_back(panel_item(each));
      if (each.selected) selected_.push_back(items_.back());
    }
    if (selected_.empty() && !items_.empty()) selected_.push_back(items_[list.current]);
    info.CurrentItem = list.current;
    info.TopPanelItem = list.top;
  }
  info.PanelItems = items_.empty() ? nullptr : items_.data();
  info.ItemsNumber = static_cast<int>(items_.size());
  info.SelectedItems = selected_.empty() ? nullptr : selected_.data();
  info.SelectedItemsNumber = static_cast<int>(selected_.size());
  info.Visible = 1;
  info.Focus = focused ? 1 : 0;
  info.ViewMode = source.view_mode;
  column_layout(source.view_mode, info);
  if (source.kind != panel_kind::plugin)
    std::strncpy(info.CurDir, narrow(source.files.dir, CP_OEMCP).c_str(), sizeof info.CurDir - 1);
  info.SortMode = source.sort_mode;
  info.Flags = flag_show_hidden | flag_highlight |
               (source.kind == panel_kind::plugin ? 0 : flag_real_names) |
               (source.reversed ? PFLAGS_REVERSESORTORDER : 0) | (left ? flag_panel_left : 0);
}

int panel_control::change(panel& target, int command, void* param) {
  if (command == FCTL_SETPANELDIR) {
    if (target.kind == panel_kind::info || target.kind == panel_kind::quick_view) return 0;
    const std::wstring dir = widen(static_cast<const char*>(param), CP_OEMCP);
    const panel_kind was = target.kind;
    if (was == panel_kind::plugin) target.close_plugin_panel();
    if (target.change_dir(dir)) return 1;
    if (was == panel_kind::plugin) target.open_plugin_panel();
    return 0;
  }
  // The remaining commands act on a list of files only.
  if (!target.shows_items()) return 0;
  switch (command) {
    case FCTL_SETVIEWMODE:
      target.view_mode = *static_cast<int*>(param);
      target.move_cursor(target.list().current);
      return 1;
    case FCTL_SETSORTMODE: {
      const int mode = *static_cast<int*>(param);
      if (mode < SM_UNSORTED || mode > last_sort_mode) return 0;
      target.set_sort_mode(mode);
      return 1;
    }
    case FCTL_SETSORTORDER:
      target.reversed = *static_cast<int*>(param) != 0;
      target.resort();
      return 1;
    case FCTL_SETSELECTION: {
      const auto& info = *static_cast<const PanelInfo*>(param);
      auto& entries = target.list().entries;
      const int count = info.PanelItems ? std::min<int>(static_cast<int>(entries.size()),
                                                        std::max(info.ItemsNumber, 0))
                                        : 0;
      for (int i = 0; i < count; ++i)
        if (!entries[i].is_up()) entries[i].selected = info.PanelItems[i].Flags & PPIF_SELECTED;
      return 1;
    }
    case FCTL_REDRAWPANEL:
      if (param) {
        const auto& redraw = *static_cast<const PanelRedrawInfo*>(param);
        target.set_cursor_and_top(redraw.CurrentItem, redraw.TopPanelItem);
      }
      return 1;
    default: return 0;
  }
}

}  // namespace try_host
