// The panels that show no list of files: the folder tree, information on the other panel, and
// the quick view of the item under the other panel's cursor.
#include <algorithm>
#include <vector>

#include "console/code_page.h"
#include "host_core/paths.h"
#include "panels/panel_drawing.h"
#include "panels/quick_view.h"

namespace try_host {

using host_core::panel;
using host_core::panel_item;
using host_core::panel_kind;

namespace {

using namespace panel_colours;

void draw_tree(frame& screen, const panel& shown, bool focused, unsigned code_page) {
  const far_host::RECT& rect = shown.rect;
  draw_panel_frame(screen, rect, L"Tree", focused);
  const int width = rect.right - rect.left - 1;
  const int rows = rect.bottom - rect.top - 3;
  for (int row = 0; row < rows; ++row) {
    const int index = shown.tree_top + row;
    if (index >= static_cast<int>(shown.tree.size())) break;
    const host_core::tree_line& line = shown.tree[index];
    const std::wstring text = std::wstring(line.depth * 2, L' ') + widen(line.name, code_page);
    const attribute attr = focused && index == shown.tree_current ? cursor : folder;
    screen.text(rect.left + 1, rect.top + 1 + row, text, attr, width);
  }
  if (!shown.tree.empty())
    screen.text(rect.left + 1, rect.bottom - 1,
                widen(shown.tree[shown.tree_current].path, code_page), border, width);
}

void draw_info(frame& screen, const panel& shown, const panel& other, bool focused,
               unsigned code_page) {
  const far_host::RECT& rect = shown.rect;
  draw_panel_frame(screen, rect, L"Information", focused);
  int files = 0, folders = 0, chosen = 0;
  unsigned long long bytes = 0;
  for (const panel_item& item : other.files.items) {
    if (host_core::is_up(item)) continue;
    if (host_core::is_dir(item)) {
      ++folders;
    } else {
      ++files;
      bytes += (std::uint64_t{item.FindData.nFileSizeHigh} << 32) | item.FindData.nFileSizeLow;
    }
    if (item.Flags & far_host::PPIF_SELECTED) ++chosen;
  }
  const std::vector<std::pair<std::wstring, std::wstring>> lines = {
      {L"Host", L"Tolvane try host under Wine"}, {L"Folder", widen(other.dir, code_page)},
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

void draw_quick_view(frame& screen, const panel& shown, const panel& other, bool focused,
                     unsigned code_page) {
  const far_host::RECT& rect = shown.rect;
  draw_panel_frame(screen, rect, L"Quick view", focused);
  const panel_item* item = other.shows_items() ? other.list().current_item() : nullptr;
  if (!item) return;
  const std::string path = other.kind == panel_kind::plugin
                               ? std::string()
                               : host_core::join_path(other.dir, item->FindData.cFileName);
  const int width = rect.right - rect.left - 1;
  const int rows = rect.bottom - rect.top - 3;
  const std::vector<std::wstring>& lines = quick_view_lines(path, *item, rows, code_page);
  for (int row = 0; row < rows && row < static_cast<int>(lines.size()); ++row)
    screen.text(rect.left + 1, rect.top + 1 + row, lines[row], file, width);
  screen.text(rect.left + 1, rect.bottom - 1, widen(item->FindData.cFileName, code_page), border,
              width);
}

}  // namespace

void draw_special_panel(frame& screen, const panel& shown, const panel& other, bool focused,
                        unsigned code_page) {
  switch (shown.kind) {
    case panel_kind::tree: draw_tree(screen, shown, focused, code_page); break;
    case panel_kind::info: draw_info(screen, shown, other, focused, code_page); break;
    case panel_kind::quick_view: draw_quick_view(screen, shown, other, focused, code_page); break;
    default: break;
  }
}

}  // namespace try_host
