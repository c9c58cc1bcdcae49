#include "host_core/panel.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "host_core/paths.h"

namespace host_core {

using namespace far_host;

namespace {

// Rows of a panel outside the items: two frame lines, column titles, the separator and the
// status line.
constexpr int frame_rows = 5;
// Panel flags the host reports besides the reverse order.
constexpr DWORD flag_show_hidden = 0x1, flag_highlight = 0x2, flag_real_names = 0x20,
                flag_panel_left = 0x80;

int index_of(const std::vector<panel_item>& items, const std::string& name) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (name == items[i].FindData.cFileName) return static_cast<int>(i);
  return -1;
}

std::string name_at_cursor(const item_list& list) {
  const panel_item* item = list.current_item();
  return item ? item->FindData.cFileName : std::string();
}

int panel_type(panel_kind kind) {
  switch (kind) {
    case panel_kind::tree: return PTYPE_TREEPANEL;
    case panel_kind::info: return PTYPE_INFOPANEL;
    case panel_kind::quick_view: return PTYPE_QVIEWPANEL;
    default: return PTYPE_FILEPANEL;
  }
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
  std::strncpy(info.ColumnTypes, types, sizeof info.ColumnTypes - 1);
  std::strncpy(info.ColumnWidths, widths, sizeof info.ColumnWidths - 1);
}

}  // namespace

panel_item make_item(const std::string& name, DWORD attributes) {
  panel_item item{};
  item.FindData.dwFileAttributes = attributes;
  std::strncpy(item.FindData.cFileName, name.c_str(), sizeof item.FindData.cFileName - 1);
  return item;
}

bool is_up(const panel_item& item) { return !std::strcmp(item.FindData.cFileName, ".."); }
bool is_dir(const panel_item& item) { return item.FindData.dwFileAttributes & 0x10; }

void item_list::assign(std::vector<panel_item> fresh) {
  items = std::move(fresh);
  restart();
}

void item_list::restart() {
  order.resize(items.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i);
  current = 0;
  top = 0;
}

bool panel::change_dir(const std::string& to, const folder_reader& read) {
  const std::string target = normal_dir(to);
  if (!read) return false;
  ++reads;
  if (!read(target, files.items)) return false;
  const std::string came_from = parent_dir(dir) == target ? last_name(dir) : std::string();
  dir = target;
  files.restart();
  sort_items(files.items, files.order, sort_mode, reversed);
  if (!came_from.empty()) {
    const int at = index_of(files.items, came_from);
    set_cursor_and_top(std::max(0, at), 0);
  }
  if (kind == panel_kind::tree) build_tree();
  return true;
}

void panel::reread(const folder_reader& read) {
  std::vector<panel_item> fresh;
  if (!read) return;
  ++reads;
  if (!read(dir, fresh)) return;
  const std::string cursor = name_at_cursor(files);
  // The selection goes over by name through a set, as a folder may hold 100,000 items.
  std::unordered_set<std::string> chosen;
  for (const panel_item& item : files.items)
    if (item.Flags & PPIF_SELECTED) chosen.insert(item.FindData.cFileName);
  const int top = files.top;
  files.assign(std::move(fresh));
  if (!chosen.empty())
    for (panel_item& item : files.items)
      if (chosen.count(item.FindData.cFileName)) item.Flags |= PPIF_SELECTED;
  sort_items(files.items, files.order, sort_mode, reversed);
  files.top = top;
  keep_cursor_on(cursor);
}

void panel::set_sort(int mode, bool reverse) {
  if (mode == sort_mode && reverse == reversed) return;
  sort_mode = mode;
  reversed = reverse;
  const std::string cursor = name_at_cursor(files);
  sort_items(files.items, files.order, sort_mode, reversed);
  keep_cursor_on(cursor);
}

void panel::keep_cursor_on(const std::string& name) {
  set_cursor_and_top(std::max(0, index_of(files.items, name)), files.top);
}

int panel::columns() const {
  switch (view_mode) {
    case 1: return 3;
    case 2: return 2;
    case 4: return 1;
    default: return 0;
  }
}

int panel::rows() const { return std::max(1, rect.bottom - rect.top + 1 - frame_rows); }

int panel::visible() const { return rows() * std::max(1, columns()); }

void panel::move_cursor(int to) { set_cursor_and_top(to, list().top); }

void panel::set_cursor_and_top(int current, int top) {
  item_list& target = list();
  const int count = static_cast<int>(target.items.size());
  target.current = std::clamp(current, 0, std::max(0, count - 1));
  const int page = visible();
  target.top = std::clamp(top, 0, std::max(0, count - page));
  if (target.current < target.top) target.top = target.current;
  if (target.current >= target.top + page) target.top = target.current - page + 1;
}

void panel::select(const std::string& name) {
  for (auto& item : list().items)
    if (name == item.FindData.cFileName) item.Flags |= PPIF_SELECTED;
}

std::vector<std::string> panel::selected_names() const {
  std::vector<std::string> names;
  for (const auto& item : list().items)
    if (item.Flags & PPIF_SELECTED) names.emplace_back(item.FindData.cFileName);
  return names;
}

void panel::open_plugin_panel() {
  kind = panel_kind::plugin;
  plugin_items.assign({make_item("..", 0x10)});
  plugin_dir = {"reports\\2024", join_path(dir, "backup.zip"), "zip"};
}

void panel::close_plugin_panel() {
  kind = panel_kind::files;
  plugin_items = {};
  plugin_dir = {};
}

void panel::build_tree() {
  tree.clear();
  std::vector<std::string> chain;
  for (std::string up = dir; !up.empty(); up = parent_dir(up)) chain.push_back(up);
  std::reverse(chain.begin(), chain.end());
  for (std::size_t i = 0; i < chain.size(); ++i)
    tree.push_back({chain[i], i == 0 ? chain[i] : last_name(chain[i]), static_cast<int>(i)});
  tree_current = static_cast<int>(tree.size()) - 1;
  for (const panel_item& item : files.items)
    if (is_dir(item) && !is_up(item))
      tree.push_back({join_path(dir, item.FindData.cFileName), item.FindData.cFileName,
                      static_cast<int>(chain.size())});
  tree_top = 0;
  move_tree_cursor(tree_current);
}

void panel::move_tree_cursor(int to) {
  const int count = static_cast<int>(tree.size());
  tree_current = std::clamp(to, 0, std::max(0, count - 1));
  const int page = rows() + 1;
  if (tree_current < tree_top) tree_top = tree_current;
  if (tree_current >= tree_top + page) tree_top = tree_current - page + 1;
}

// With nothing selected the host reports the item under the cursor as the selection.
void panel::report(bool focused, bool left, panel_report& records, PanelInfo& info) const {
  info = PanelInfo{};
  info.PanelType = panel_type(kind);
  info.Plugin = kind == panel_kind::plugin ? 1 : 0;
  info.PanelRect = rect;
  records.items.clear();
  records.selected.clear();
  if (shows_items()) {
    const item_list& shown = list();
    records.items = shown.items;
    for (const panel_item& item : shown.items)
      if (item.Flags & PPIF_SELECTED) records.selected.push_back(item);
    if (records.selected.empty() && !shown.items.empty())
      records.selected.push_back(shown.items[shown.current]);
    info.CurrentItem = shown.current;
    info.TopPanelItem = shown.top;
  }
  info.PanelItems = records.items.empty() ? nullptr : records.items.data();
  info.ItemsNumber = static_cast<int>(records.items.size());
  info.SelectedItems = records.selected.empty() ? nullptr : records.selected.data();
  info.SelectedItemsNumber = static_cast<int>(records.selected.size());
  info.Visible = 1;
  info.Focus = focused ? 1 : 0;
  info.ViewMode = view_mode;
  column_layout(view_mode, info);
  if (kind != panel_kind::plugin)
    std::strncpy(
        info.CurDir,
        (kind == panel_kind::tree && !tree.empty() ? tree[tree_current].path : dir).c_str(),
        sizeof info.CurDir - 1);
  info.SortMode = sort_mode;
  info.Flags = flag_show_hidden | flag_highlight |
               (kind == panel_kind::plugin ? 0 : flag_real_names) |
               (reversed ? PFLAGS_REVERSESORTORDER : 0) | (left ? flag_panel_left : 0);
}

int panel::command(int command, void* param, const folder_reader& read) {
  if (command == FCTL_SETPANELDIR) {
    if (kind == panel_kind::info || kind == panel_kind::quick_view) return 0;
    const panel_kind was = kind;
    if (was == panel_kind::plugin) close_plugin_panel();
    if (change_dir(static_cast<const char*>(param), read)) return 1;
    if (was == panel_kind::plugin) open_plugin_panel();
    return 0;
  }
  // The other commands act on a list of items only.
  if (!shows_items()) return 0;
  switch (command) {
    case FCTL_SETVIEWMODE:
      view_mode = *static_cast<int*>(param);
      move_cursor(list().current);
      return 1;
    case FCTL_SETSORTMODE: {
      const int mode = *static_cast<int*>(param);
      if (mode < SM_UNSORTED || mode > last_sort_mode) return 0;
      set_sort(mode, reversed);
      return 1;
    }
    case FCTL_SETSORTORDER: set_sort(sort_mode, *static_cast<int*>(param) != 0); return 1;
    case FCTL_SETSELECTION: {
      const auto& info = *static_cast<const PanelInfo*>(param);
      auto& items = list().items;
      const int count =
          info.PanelItems ? std::min(static_cast<int>(items.size()), std::max(info.ItemsNumber, 0))
                          : 0;
      for (int i = 0; i < count; ++i) {
        if (is_up(items[i])) continue;
        items[i].Flags =
            (items[i].Flags & ~PPIF_SELECTED) | (info.PanelItems[i].Flags & PPIF_SELECTED);
      }
      return 1;
    }
    case FCTL_REDRAWPANEL:
      if (param) {
        const auto& redraw = *static_cast<const PanelRedrawInfo*>(param);
        set_cursor_and_top(redraw.CurrentItem, redraw.TopPanelItem);
      }
      return 1;
    default: return 0;
  }
}

}  // namespace host_core
