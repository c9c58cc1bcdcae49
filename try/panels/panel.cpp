#include "panels/panel.h"

#include <algorithm>

#include "panels/directory.h"
#include "panels/panel_sort.h"

namespace try_host {

namespace {

// Rows of a panel outside the items: two frame lines, column titles, the separator and the
// status line.
constexpr int frame_rows = 5;

int index_of(const std::vector<entry>& entries, const std::wstring& name) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

bool panel::change_dir(const std::wstring& dir) {
  const std::wstring target = normal_dir(dir);
  auto read = read_directory(target);
  if (!read) return false;
  // Going up puts the cursor on the folder just left, as in the host.
  const std::wstring came_from =
      parent_dir(files.dir) == target ? last_name(files.dir) : std::wstring();
  files.dir = target;
  files.entries = std::move(*read);
  sort_entries(files.entries, sort_mode, reversed);
  files.top = 0;
  files.current = 0;
  if (!came_from.empty()) move_cursor(std::max(0, index_of(files.entries, came_from)));
  if (kind == panel_kind::tree) build_tree();
  return true;
}

void panel::reread() {
  auto read = read_directory(files.dir);
  if (!read) return;
  const entry* cursor = files.current_entry();
  const std::wstring name = cursor ? cursor->name : std::wstring();
  for (auto& fresh : *read) {
    const int old = index_of(files.entries, fresh.name);
    fresh.selected = old >= 0 && files.entries[old].selected;
  }
  files.entries = std::move(*read);
  sort_entries(files.entries, sort_mode, reversed);
  move_cursor(std::max(0, index_of(files.entries, name)));
}

void panel::set_sort_mode(int mode) {
  reversed = mode == sort_mode ? !reversed : false;
  sort_mode = mode;
  resort();
}

void panel::resort() {
  const entry* cursor = files.current_entry();
  const std::wstring name = cursor ? cursor->name : std::wstring();
  sort_entries(files.entries, sort_mode, reversed);
  move_cursor(std::max(0, index_of(files.entries, name)));
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

// The host accepts any values and then keeps the cursor on the visible page.
void panel::set_cursor_and_top(int current, int top) {
  file_list& target = list();
  const int count = static_cast<int>(target.entries.size());
  target.current = std::clamp(current, 0, std::max(0, count - 1));
  const int page = visible();
  target.top = std::clamp(top, 0, std::max(0, count - page));
  if (target.current < target.top) target.top = target.current;
  if (target.current >= target.top + page) target.top = target.current - page + 1;
}

void panel::open_plugin_panel() {
  kind = panel_kind::plugin;
  plugin_items = {};
  entry up;
  up.name = L"..";
  up.attributes = 0x10;
  plugin_items.entries.push_back(up);
}

void panel::close_plugin_panel() {
  kind = panel_kind::files;
  plugin_items = {};
}

void panel::build_tree() {
  tree.clear();
  std::vector<std::wstring> chain;
  for (std::wstring dir = files.dir; !dir.empty(); dir = parent_dir(dir)) chain.push_back(dir);
  std::reverse(chain.begin(), chain.end());
  for (std::size_t i = 0; i < chain.size(); ++i)
    tree.push_back({chain[i], i == 0 ? chain[i] : last_name(chain[i]), static_cast<int>(i)});
  tree_current = static_cast<int>(tree.size()) - 1;
  for (const entry& item : files.entries)
    if (item.is_dir() && !item.is_up())
      tree.push_back({join_path(files.dir, item.name), item.name, static_cast<int>(chain.size())});
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

}  // namespace try_host
