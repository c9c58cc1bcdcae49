// How the host draws a dialog: its background and shadow, frames with their titles, texts,
// buttons and list boxes, in the host's dialog or warning colours.
#include <algorithm>

#include "dialogs/dialog_look.h"
#include "dialogs/scroll_bar.h"

namespace try_host {

namespace {

struct palette {
  attribute back, button, focused_button, list_line, list_cursor, list_disabled;
};

constexpr palette dialog_colours{0x70, 0x70, 0x30, 0x70, 0x0F, 0x78};
constexpr palette warning_colours{0x4F, 0x4F, 0x70, 0x4F, 0x70, 0x47};

using kind = dialog_look::kind;

class drawing {
 public:
  drawing(frame& screen, const dialog_look& shown)
      : screen_(screen),
        shown_(shown),
        colours_(shown.look_warning() ? warning_colours : dialog_colours),
        x_(shown.look_x()),
        y_(shown.look_y()),
        width_(shown.look_width()) {
    for (int i = 0; i < shown.look_count(); ++i) items_.push_back(shown.look_item(i));
  }

  void draw() {
    screen_.fill(x_, y_, x_ + width_ - 1, y_ + shown_.look_height() - 1, L' ', colours_.back);
    screen_.shadow(x_, y_, x_ + width_ - 1, y_ + shown_.look_height() - 1);
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
      if (!items_[i].hidden) draw_item(i);
  }

 private:
  // Centred buttons: every centred button of the row counts, one blank between them.
  int button_x(int index) const {
    const dialog_look::shown_item& item = items_[index];
    const int length = static_cast<int>(item.text.size());
    if (!item.centre_group && item.x1 >= 0) return item.x1;
    if (!item.centre_group) return (width_ - length) / 2;
    int total = -1, before = 0;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      const dialog_look::shown_item& other = items_[i];
      if (other.type != kind::button || !other.centre_group || other.y1 != item.y1 || other.hidden)
        continue;
      const int room = static_cast<int>(other.text.size()) + 1;
      if (i < index) before += room;
      total += room;
    }
    return (width_ - total) / 2 + before;
  }

  void draw_item(int index) {
    const dialog_look::shown_item& item = items_[index];
    const int left = x_ + item.x1, top = y_ + item.y1, right = x_ + item.x2, bottom = y_ + item.y2;
    switch (item.type) {
      case kind::double_box:
      case kind::single_box: {
        screen_.box(left, top, right, bottom, item.type == kind::double_box, colours_.back);
        if (!item.text.empty()) {
          const int room = right - left - 1;
          const std::wstring shown = L" " + item.text.substr(0, std::max(0, room - 2)) + L" ";
          screen_.text(left + std::max(1, (right - left + 1 - static_cast<int>(shown.size())) / 2),
                       top, shown, colours_.back, room);
        }
        break;
      }
      case kind::text: {
        const int at = item.x1 < 0 ? x_ + (width_ - static_cast<int>(item.text.size())) / 2 : left;
        screen_.text(at, top, item.text, colours_.back);
        break;
      }
      case kind::button:
        screen_.text(x_ + button_x(index), top, item.text,
                     index == shown_.look_focus() ? colours_.focused_button : colours_.button);
        break;
      case kind::list:
        if (item.list_framed) {
          screen_.box(left, top, right, bottom, false, colours_.back);
          draw_list(index, left + 1, top + 1, right - 1, bottom - 1);
        } else {
          draw_list(index, left, top, right, bottom);
        }
        break;
      default: break;
    }
  }

  // A line is drawn from two columns inside the list; the last column holds the scroll bar.
  void draw_list(int index, int left, int top, int right, int bottom) {
    const dialog_look::list_state box = shown_.look_list(index);
    const int count = static_cast<int>(box.lines.size());
    const int rows = bottom - top + 1;
    for (int row = 0; row < rows; ++row) {
      const int line = box.top + row;
      attribute attr = colours_.list_line;
      std::wstring text;
      if (line < count) {
        text = box.lines[line].text;
        if (box.lines[line].disabled)
          attr = colours_.list_disabled;
        else if (line == box.select)
          attr = colours_.list_cursor;
      }
      screen_.fill(left, top + row, right, top + row, L' ', attr);
      screen_.text(left + 2, top + row, text, attr, std::max(0, right - left - 2));
      if (line < count && line == box.select) screen_.mark(left, top + row);
    }
    if (count > rows)
      draw_scroll_bar(screen_, right, top, rows, count, box.top, colours_.list_line);
  }

  frame& screen_;
  const dialog_look& shown_;
  const palette& colours_;
  int x_, y_, width_;
  std::vector<dialog_look::shown_item> items_;
};

}  // namespace

void draw_dialog(frame& screen, const dialog_look& shown) { drawing(screen, shown).draw(); }

}  // namespace try_host
