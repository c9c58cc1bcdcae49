// The file panel (and the stand-in plugin panel) in its view modes: name columns, or the
// detailed layout with size, date and time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <vector>

#include "console/code_page.h"
#include "panels/panel_drawing.h"

namespace try_host {

using host_core::panel;
using host_core::panel_item;

namespace {

using namespace panel_colours;

constexpr int size_width = 10, date_width = 8, time_width = 5;

struct column {
  int x, width;
  enum kind_t { name, size, date, time } kind;
};

std::vector<column> columns_of(const panel& shown) {
  const int left = shown.rect.left + 1, inner = shown.rect.right - shown.rect.left - 1;
  std::vector<column> columns;
  if (const int count = shown.columns()) {
    const int width = (inner - (count - 1)) / count;
    for (int k = 0; k < count; ++k) {
      const int x = left + k * (width + 1);
      columns.push_back({x, k == count - 1 ? left + inner - x : width, column::name});
    }
    return columns;
  }
  const int name_width = std::max(1, inner - size_width - date_width - time_width - 3);
  int x = left;
  for (auto [width, kind] : {std::pair{name_width, column::name},
                             {size_width, column::size},
                             {date_width, column::date},
                             {time_width, column::time}}) {
    columns.push_back({x, width, kind});
    x += width + 1;
  }
  return columns;
}

// A name too long for its column ends in '}', as the host marks it.
std::wstring fit(const std::wstring& text, int width) {
  if (width <= 0) return {};
  if (static_cast<int>(text.size()) <= width) return text + std::wstring(width - text.size(), L' ');
  return text.substr(0, width - 1) + L'}';
}

std::wstring right(const std::wstring& text, int width) {
  if (static_cast<int>(text.size()) >= width) return text.substr(0, width);
  return std::wstring(width - text.size(), L' ') + text;
}

std::uint64_t size_of(const panel_item& item) {
  return (std::uint64_t{item.FindData.nFileSizeHigh} << 32) | item.FindData.nFileSizeLow;
}

std::wstring size_text(const panel_item& item) {
  if (host_core::is_up(item)) return L"►UP--DIR◄";
  if (host_core::is_dir(item)) return L"►SUB-DIR◄";
  return std::to_wstring(size_of(item));
}

void date_and_time(const panel_item& item, std::wstring& date, std::wstring& time) {
  const auto& written = item.FindData.ftLastWriteTime;
  FILETIME utc{written.dwLowDateTime, written.dwHighDateTime}, local;
  SYSTEMTIME parts{};
  if (!(utc.dwLowDateTime | utc.dwHighDateTime) || !FileTimeToLocalFileTime(&utc, &local) ||
      !FileTimeToSystemTime(&local, &parts))
    return;
  wchar_t text[16];
  swprintf(text, 16, L"%02u.%02u.%02u", parts.wDay, parts.wMonth, parts.wYear % 100);
  date = text;
  swprintf(text, 16, L"%02u:%02u", parts.wHour, parts.wMinute);
  time = text;
}

std::wstring column_text(const panel_item& item, const column& where, unsigned code_page) {
  std::wstring date, time;
  switch (where.kind) {
    case column::name: return fit(widen(item.FindData.cFileName, code_page), where.width);
    case column::size: return right(size_text(item), where.width);
    case column::date: date_and_time(item, date, time); return right(date, where.width);
    case column::time: date_and_time(item, date, time); return right(time, where.width);
  }
  return {};
}

const wchar_t* heading_of(column::kind_t kind) {
  switch (kind) {
    case column::name: return L"Name";
    case column::size: return L"Size";
    case column::date: return L"Date";
    case column::time: return L"Time";
  }
  return L"";
}

wchar_t sort_letter(const panel& shown) {
  const wchar_t* letters = L"?unxmcas";
  const wchar_t letter =
      shown.sort_mode >= 1 && shown.sort_mode <= 7 ? letters[shown.sort_mode] : L'?';
  return shown.reversed ? static_cast<wchar_t>(std::towupper(letter)) : letter;
}

void draw_status(frame& screen, const panel& shown, int y, unsigned code_page) {
  const int x1 = shown.rect.left + 1, width = shown.rect.right - shown.rect.left - 1;
  const panel_item* current = shown.list().current_item();
  if (!current) return;
  std::wstring date, time;
  date_and_time(*current, date, time);
  const std::wstring details = right(size_text(*current), size_width) + L" " +
                               right(date, date_width) + L" " + right(time, time_width);
  const int name_width = std::max(0, width - static_cast<int>(details.size()) - 1);
  screen.text(x1, y,
              fit(widen(current->FindData.cFileName, code_page), name_width) + L" " + details,
              border, width);
}

void draw_totals(frame& screen, const panel& shown) {
  unsigned long long bytes = 0, selected_bytes = 0;
  int files = 0, chosen = 0;
  for (const panel_item& item : shown.list().items) {
    if (host_core::is_dir(item)) continue;
    bytes += size_of(item);
    ++files;
    if (item.Flags & far_host::PPIF_SELECTED) {
      selected_bytes += size_of(item);
      ++chosen;
    }
  }
  const int x1 = shown.rect.left, width = shown.rect.right - shown.rect.left + 1;
  auto centred = [&](const std::wstring& text, int y, attribute attr) {
    screen.text(x1 + std::max(1, (width - static_cast<int>(text.size())) / 2), y, text, attr,
                width - 2);
  };
  centred(L" " + grouped(bytes) + L" bytes in " + std::to_wstring(files) + L" files ",
          shown.rect.bottom, border);
  if (chosen)
    centred(L" " + grouped(selected_bytes) + L" bytes in " + std::to_wstring(chosen) +
                L" selected files ",
            shown.rect.bottom - 2, selected);
}

}  // namespace

std::wstring grouped(unsigned long long number) {
  std::wstring digits = std::to_wstring(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, L" ");
  return digits;
}

void draw_panel(frame& screen, const panel& shown, const panel& other, bool focused,
                unsigned code_page) {
  if (!shown.shows_items()) {
    draw_special_panel(screen, shown, other, focused, code_page);
    return;
  }
  const far_host::RECT& rect = shown.rect;
  const std::wstring title =
      shown.kind == host_core::panel_kind::plugin ? L"Plugin panel" : widen(shown.dir, code_page);
  draw_panel_frame(screen, shown.rect, title, focused);
  screen.put(rect.left + 1, rect.top, sort_letter(shown), border);

  const auto columns = columns_of(shown);
  const int first_row = rect.top + 2, rows = shown.rows();
  for (std::size_t k = 0; k + 1 < columns.size(); ++k) {
    const int x = columns[k].x + columns[k].width;
    screen.put(x, rect.top, L'╤', border);
    for (int y = rect.top + 1; y < first_row + rows; ++y) screen.put(x, y, L'│', border);
    screen.put(x, first_row + rows, L'┴', border);
  }
  draw_panel_title(screen, rect, title, focused);
  for (const column& where : columns) {
    const std::wstring name = heading_of(where.kind);
    screen.text(where.x + std::max(0, (where.width - static_cast<int>(name.size())) / 2),
                rect.top + 1, name, column_title, where.width);
  }

  const host_core::item_list& list = shown.list();
  const int count = static_cast<int>(list.items.size());
  const bool by_columns = shown.columns() > 0;
  for (int slot = 0; slot < shown.visible(); ++slot) {
    const int index = list.top + slot;
    if (index >= count) break;
    const panel_item& item = list.items[index];
    const bool at_cursor = focused && index == list.current;
    const bool chosen = item.Flags & far_host::PPIF_SELECTED;
    const attribute attr = at_cursor                 ? (chosen ? selected_cursor : cursor)
                           : chosen                  ? selected
                           : host_core::is_dir(item) ? folder
                                                     : file;
    const int y = first_row + slot % rows;
    if (by_columns) {
      const column& where = columns[slot / rows];
      screen.text(where.x, y, column_text(item, where, code_page), attr, where.width);
    } else {
      for (const column& where : columns)
        screen.text(where.x, y, column_text(item, where, code_page),
                    where.kind == column::name ? attr : file, where.width);
    }
  }
  draw_status(screen, shown, rect.bottom - 1, code_page);
  draw_totals(screen, shown);
}

void draw_panel_frame(frame& screen, const far_host::RECT& rect, const std::wstring& title,
                      bool focused) {
  screen.fill(rect.left, rect.top, rect.right, rect.bottom, L' ', border);
  screen.box(rect.left, rect.top, rect.right, rect.bottom, true, border);
  screen.put(rect.left, rect.bottom - 2, L'╟', border);
  screen.put(rect.right, rect.bottom - 2, L'╢', border);
  for (int x = rect.left + 1; x < rect.right; ++x) screen.put(x, rect.bottom - 2, L'─', border);
  draw_panel_title(screen, rect, title, focused);
}

void draw_panel_title(frame& screen, const far_host::RECT& rect, const std::wstring& title,
                      bool focused) {
  const int width = rect.right - rect.left + 1;
  std::wstring shown = title;
  if (static_cast<int>(shown.size()) > width - 6)
    shown = L"…" + shown.substr(shown.size() - (width - 7));
  shown = L" " + shown + L" ";
  screen.text(rect.left + (width - static_cast<int>(shown.size())) / 2, rect.top, shown,
              focused ? focused_title : panel_colours::title);
}

}  // namespace try_host
