// How the host draws a dialog: its background and shadow, frames with their titles, texts,
// buttons and list boxes, in the host's dialog or warning colours.
#include <algorithm>

#include "app/host_app.h"
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
  return L"[ " + host_.plugin_text(items_[index].Data) + L" ]";
}

// Centred buttons: every DIF_CENTERGROUP button of the row counts, one blank between them.
int dialog_window::button_x(int index) const {
  const FarDialogItem& item = items_[index];
  if (!(item.Flags & DIF_CENTERGROUP) && item.X1 >= 0) return item.X1;
  if (!(item.Flags & DIF_CENTERGROUP))
    return (width_ - static_cast<int>(button_text(index).size())) / 2;
  int total = -1, before = 0;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const FarDialogItem& other = items_[i];
    if (other.Type != DI_BUTTON || !(other.Flags & DIF_CENTERGROUP) || other.Y1 != item.Y1 ||
        (other.Flags & DIF_HIDDEN))
      continue;
    const int length = static_cast<int>(button_text(i).size()) + 1;
    if (i < index) before += length;
    total += length;
  }
  return (width_ - total) / 2 + before;
}

void dialog_window::draw(frame& screen) const {
  const palette& colours = (flags_ & FDLG_WARNING) ? warning_colours : dialog_colours;
  screen.fill(x_, y_, x_ + width_ - 1, y_ + height_ - 1, L' ', colours.back);
  screen.shadow(x_, y_, x_ + width_ - 1, y_ + height_ - 1);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (!(items_[i].Flags & DIF_HIDDEN)) draw_item(screen, i);
}

void dialog_window::draw_item(frame& screen, int index) const {
  const palette& colours = (flags_ & FDLG_WARNING) ? warning_colours : dialog_colours;
  const FarDialogItem& item = items_[index];
  const int x1 = x_ + item.X1, y1 = y_ + item.Y1, x2 = x_ + item.X2, y2 = y_ + item.Y2;
  switch (item.Type) {
    case DI_DOUBLEBOX:
    case DI_SINGLEBOX: {
      screen.box(x1, y1, x2, y2, item.Type == DI_DOUBLEBOX, colours.back);
      const std::wstring title = host_.plugin_text(item.Data);
      if (!title.empty()) {
        const int room = x2 - x1 - 1;
        const std::wstring shown = L" " + title.substr(0, std::max(0, room - 2)) + L" ";
        screen.text(x1 + std::max(1, (x2 - x1 + 1 - static_cast<int>(shown.size())) / 2), y1, shown,
                    colours.back, room);
      }
      break;
    }
    case DI_TEXT: {
      const std::wstring text = host_.plugin_text(item.Data);
      const int x = item.X1 < 0 ? x_ + (width_ - static_cast<int>(text.size())) / 2 : x1;
      screen.text(x, y1, text, colours.back);
      break;
    }
    case DI_BUTTON:
      screen.text(x_ + button_x(index), y1, button_text(index),
                  index == focus_ ? colours.focused_button : colours.button);
      break;
    case DI_LISTBOX:
      if (item.Flags & DIF_LISTNOBOX) {
        draw_list(screen, index, x1, y1, x2, y2);
      } else {
        screen.box(x1, y1, x2, y2, false, colours.back);
        draw_list(screen, index, x1 + 1, y1 + 1, x2 - 1, y2 - 1);
      }
      break;
    default: break;
  }
}

// A line is drawn from two columns inside the list; the last column holds the scroll bar.
void dialog_window::draw_list(frame& screen, int index, int x1, int y1, int x2, int y2) const {
  const palette& colours = (flags_ & FDLG_WARNING) ? warning_colours : dialog_colours;
  const list_state& list = lists_[index];
  const int count = static_cast<int>(list.lines.size());
  const int rows = y2 - y1 + 1;
  for (int row = 0; row < rows; ++row) {
    const int line = list.pos.TopPos + row;
    attribute attr = colours.list_line;
    std::wstring text;
    if (line < count) {
      text = host_.plugin_text(list.lines[line].Text);
      if (list.lines[line].Flags & LIF_DISABLE)
        attr = colours.list_disabled;
      else if (line == list.pos.SelectPos)
        attr = colours.list_cursor;
    }
    screen.fill(x1, y1 + row, x2, y1 + row, L' ', attr);
    screen.text(x1 + 2, y1 + row, text, attr, std::max(0, x2 - x1 - 2));
    if (line < count && line == list.pos.SelectPos) screen.mark(x1, y1 + row);
  }
  if (count > rows)
    draw_scroll_bar(screen, x2, y1, rows, count, list.pos.TopPos, colours.list_line);
}

}  // namespace try_host
