// How the host draws a dialog: its background and shadow, frames with their titles, texts,
// buttons and list boxes, in the host's dialog or warning colours.
#include <algorithm>

#include "dialogs/dialog_window.h"
#include "dialogs/scroll_bar.h"

namespace try_host {

using namespace far_host;

namespace {

struct palette {
  attribute back, button, focused_button, list_line, list_cursor, list_disabled;
};

constexpr palette dialog_colours{0x70, 0x70, 0x30, 0x70, 0x0F, 0x78};
constexpr palette warning_colours{0x4F, 0x4F, 0x70, 0x4F, 0x70, 0x47};

}  // namespace

std::wstring dialog_window::button_text(int index) const {
  return L"[ " + screen_.text(items[index].Data) + L" ]";
}

// Centred buttons: every DIF_CENTERGROUP button of the row counts, one blank between them.
int dialog_window::button_x(int index) const {
  const FarDialogItem& item = items[index];
  if (!(item.Flags & DIF_CENTERGROUP) && item.X1 >= 0) return item.X1;
  if (!(item.Flags & DIF_CENTERGROUP))
    return (width - static_cast<int>(button_text(index).size())) / 2;
  int total = -1, before = 0;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const FarDialogItem& other = items[i];
    if (other.Type != DI_BUTTON || !(other.Flags & DIF_CENTERGROUP) || other.Y1 != item.Y1 ||
        (other.Flags & DIF_HIDDEN))
      continue;
    const int length = static_cast<int>(button_text(i).size()) + 1;
    if (i < index) before += length;
    total += length;
  }
  return (width - total) / 2 + before;
}

void dialog_window::draw(frame& screen) const {
  const palette& colours = (flags & FDLG_WARNING) ? warning_colours : dialog_colours;
  screen.fill(x, y, x + width - 1, y + height - 1, L' ', colours.back);
  screen.shadow(x, y, x + width - 1, y + height - 1);
  for (int i = 0; i < static_cast<int>(items.size()); ++i)
    if (!(items[i].Flags & DIF_HIDDEN)) draw_item(screen, i);
}

void dialog_window::draw_item(frame& screen, int index) const {
  const palette& colours = (flags & FDLG_WARNING) ? warning_colours : dialog_colours;
  const FarDialogItem& item = items[index];
  const int left = x + item.X1, top = y + item.Y1, right = x + item.X2, bottom = y + item.Y2;
  switch (item.Type) {
    case DI_DOUBLEBOX:
    case DI_SINGLEBOX: {
      screen.box(left, top, right, bottom, item.Type == DI_DOUBLEBOX, colours.back);
      const std::wstring title = screen_.text(item.Data);
      if (!title.empty()) {
        const int room = right - left - 1;
        const std::wstring shown = L" " + title.substr(0, std::max(0, room - 2)) + L" ";
        screen.text(left + std::max(1, (right - left + 1 - static_cast<int>(shown.size())) / 2),
                    top, shown, colours.back, room);
      }
      break;
    }
    case DI_TEXT: {
      const std::wstring text = screen_.text(item.Data);
      const int at = item.X1 < 0 ? x + (width - static_cast<int>(text.size())) / 2 : left;
      screen.text(at, top, text, colours.back);
      break;
    }
    case DI_BUTTON:
      screen.text(x + button_x(index), top, button_text(index),
                  index == focus ? colours.focused_button : colours.button);
      break;
    case DI_LISTBOX:
      if (item.Flags & DIF_LISTNOBOX) {
        draw_list(screen, index, left, top, right, bottom);
      } else {
        screen.box(left, top, right, bottom, false, colours.back);
        draw_list(screen, index, left + 1, top + 1, right - 1, bottom - 1);
      }
      break;
    default: break;
  }
}

// A line is drawn from two columns inside the list; the last column holds the scroll bar.
void dialog_window::draw_list(frame& screen, int index, int left, int top, int right,
                              int bottom) const {
  const palette& colours = (flags & FDLG_WARNING) ? warning_colours : dialog_colours;
  const list_box& box = lists[index];
  const int count = static_cast<int>(box.lines.size());
  const int rows = bottom - top + 1;
  for (int row = 0; row < rows; ++row) {
    const int line = box.pos.TopPos + row;
    attribute attr = colours.list_line;
    std::wstring text;
    if (line < count) {
      text = screen_.text(box.lines[line].Text);
      if (box.lines[line].Flags & LIF_DISABLE)
        attr = colours.list_disabled;
      else if (line == box.pos.SelectPos)
        attr = colours.list_cursor;
    }
    screen.fill(left, top + row, right, top + row, L' ', attr);
    screen.text(left + 2, top + row, text, attr, std::max(0, right - left - 2));
    if (line < count && line == box.pos.SelectPos) screen.mark(left, top + row);
  }
  if (count > rows)
    draw_scroll_bar(screen, right, top, rows, count, box.pos.TopPos, colours.list_line);
}

}  // namespace try_host
