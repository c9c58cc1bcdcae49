// The panels that show no list of files: the folder tree, information on the other panel, and
// the quick view of the item under the other panel's cursor.
#include <algorithm>
#include <vector>

#include "panels/panel_drawing.h"
#include "panels/quick_view.h"

namespace try_host {

namespace {

using namespace panel_colours;

void draw_tree(frame& screen, const panel& shown, bool focused) {
  const far_host::RECT& rect = shown.rect;
  draw_panel_frame(screen, rect, L"Tree", focused);
  const int width = rect.right - rect.left - 1;
  const int rows = rect.bottom - rect.top - 3;
  for (int row = 0; row < rows; ++row) {
    const int index = shown.tree_top + row;
    if (index >= static_cast<int>(shown.tree.size())) break;
    const tree_line& line = shown.tree[index];
    const std::wstring text = std::wstring(line.depth * 2, L' ') + line.name;
    const attribute attr = focused && index == shown.tree_current ? cursor : folder;
    screen.text(rect.left + 1, rect.top + 1 + row, text, attr, width);
  }
  if (!shown.tree.empty())
    screen.text(rect.left + 1, rect.bottom - 1, shown.tree[shown.tree_current].path, border, width);
}

void draw_info(frame& screen, const panel& shown, const panel& other, bool focused) {
  const far_host::RECT& rect = shown.rect;
  draw_panel_frame(screen, rect, L"Information", focused);
  int files = 0, folders = 0, chosen = 0;
  unsigned long long bytes = 0;
  for (const entry& item : other.files.entries) {
    if (item.is_up()) continue;
    if (item.is_dir()) {
      ++folders;
    } else {
      ++files;
      bytes += item.size;
    }
    if (item.selected) ++chosen;
  }
  const std::vector<std::pair<std::wstring, std::wstring>> lines = {
      {L"Host", L"Tolvane try host under Wine"}, {L"Folder", other.files.dir},
      {L"Files", std::to_wstring(files)},        {L"Folders", std::to_wstring(folders)},
      {L"Size", grouped(bytes) + L" bytes"},     {L"Selected", std::to_wstring(chosen)},
  };
  const int width = rect.right - rect.left - 1;
  int y = rect.top + 2;
  for (const auto& [label, value] : lines) {
    if (y >= rect.bottom - 2) break;
    screen.text(rect.left + 2, y, label, border, width - 1);
    screen.text(rect.left + 12, y++, value, folder, std::max(0, width - 11));
  }
}

void draw_quick_view(frame& screen, const panel& shown, const panel& other, bool focused) {
  const far_host::RECT& rect = shown.rect;
  draw_panel_frame(screen, rect, L"Quick view", focused);
  const entry* item = other.shows_items() ? other.list().current_entry() : nullptr;
  if (!item) return;
  const std::wstring path =
      other.kind == panel_kind::plugin
          ? std::wstring()
          : other.files.dir + (other.files.dir.back() == L'\\' ? L"" : L"\\") + item->name;
  const int width = rect.right - rect.left - 1;
  const int rows = rect.bottom - rect.top - 3;
  const std::vector<std::wstring>& lines = quick_view_lines(path, *item, rows);
  for (int row = 0; row < rows && row < static_cast<int>(lines.size()); ++row)
    screen.text(rect.left + 1, rect.top + 1 + row, lines[row], file, width);
  screen.text(rect.left + 1, rect.bottom - 1, item->name, border, width);
}

}  // namespace

void draw_special_panel(frame& screen, const panel& shown, const panel& other, bool focused) {
  switch (shown.kind) {
    case panel_kind::tree: draw_tree(screen, shown, focused); break;
    case panel_kind::info: draw_info(screen, shown, other, focused); break;
    case panel_kind::quick_view: draw_quick_view(screen, shown, other, focused); break;
    default: break;
  }
}

}  // namespace try_host
