#include <algorithm>
#include <new>

#include "binding/texts.h"
#include "dialog/view_list_dialog.h"
#include "views/view_numbers.h"

namespace far_tolvane {

namespace {

// Writes one list line, cut to the line's room and always ended.
class line_writer {
 public:
  explicit line_writer(list_line& line) : out_(line.text) {}
  ~line_writer() { out_[used_] = 0; }
  line_writer(const line_writer&) = delete;
  line_writer& operator=(const line_writer&) = delete;

  void put(host_char c) {
    if (used_ < list_line_room - 1) out_[used_++] = c;
  }
  // At most `width` characters of the text, then spaces up to `width`.
  void put_padded(host_text text, int width) {
    const auto shown = std::min(text.size(), static_cast<std::size_t>(std::max(width, 0)));
    for (std::size_t i = 0; i < shown; ++i) put(text[i]);
    for (auto i = static_cast<int>(shown); i < width; ++i) put(' ');
  }
  // Right-aligned in `width` columns.
  // A view's number, never below 1.
  void put_number(int number, int width) {
    host_char digits[12];
    int count = 0;
    auto magnitude = static_cast<unsigned>(number);
    do {
      digits[count++] = static_cast<host_char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude);
    for (int i = count; i < width; ++i) put(' ');
    while (count) put(digits[--count]);
  }

 private:
  host_char* out_;
  int used_ = 0;
};

int length(const host_char* text) { return static_cast<int>(text_length(text)); }

}  // namespace

int number_column_width() {
  int digits = 1;
  for (int number = largest_view_number(); number >= 10; number /= 10) ++digits;
  return digits;
}

view_list::view_list(view_list_dialog_impl* dialog)
    : owner(dialog), cursor_node(view_order.begin()) {}

void view_list::measure(int& width, int& count) {
  width = 0;
  count = 0;
  widest_name = 0;
  const int digits = number_column_width();
  for (const view* shown : view_order) {
    const int name = length(GetMsg(shown->kind_message_id()));
    widest_name = std::max(widest_name, name);
    const int line = digits + name + length(shown->path()) + 6;
    width = std::max(width, line);
    ++count;
  }
  width += 4;
}

bool view_list::reserve_lines(int count) {
  if (count <= line_capacity) return true;
  std::unique_ptr<list_line[]> fresh(new (std::nothrow) list_line[static_cast<std::size_t>(count)]);
  if (!fresh || !reserve_list_records(count)) return false;
  lines = std::move(fresh);
  line_capacity = count;
  return true;
}

// The commands that add a view make room first, so that here the room is only checked.
void view_list::fill(view_position cursor, int select_pos, int) {
  if (!reserve_lines(static_cast<int>(view_order.size()))) return;
  cursor_node = cursor;
  const dialog_item& list_box = owner->items[2];
  const int digits = number_column_width();
  // The fixed columns and the spaces between them; the location takes what the list box and the
  // line's room leave, shortened at its front so that its deepest folders stay in sight. A
  // console too narrow for the fixed columns leaves it empty.
  const int fixed = digits + widest_name + 6;
  const int location_width =
      std::max(0, std::min(list_box.x2 - list_box.x1 - 3, list_line_room - 1) - fixed);

  list_line* line = lines.get();
  for (const view* shown : view_order) {
    line->disabled = is_shown_on_other_panel(shown);
    char marker = ' ';
    if (!shown->shown_in.empty()) marker = *panel_side(shown->shown_in.front()) == 'L' ? '<' : '>';
    const host_char* location = location_width > 0 ? shown->short_path(location_width) : nullptr;
    line_writer out(*line);
    out.put_number(shown->number, digits);
    out.put(shown->exists() ? '.' : '-');
    out.put(' ');
    out.put_padded(GetMsg(shown->kind_message_id()), widest_name);
    out.put(' ');
    out.put(static_cast<host_char>(marker));
    out.put(' ');
    out.put_padded(location ? host_text(location) : host_text(), location_width);
    out.put(' ');
    ++line;
  }
  line_count = static_cast<int>(view_order.size());

  if (!owner->handle) return;
  set_list(owner->handle, lines.get(), line_count);
  set_list_pos(select_pos);
}

int view_list::list_height() const {
  const dialog_item& list_box = owner->items[2];
  return list_box.y2 - list_box.y1 + 1;
}

void view_list::list_window_top(list_pos& pos) const {
  const int count = line_count;
  const int rows = list_height();
  const int half = rows / 2;
  // The cursor line stays on row half - 1 of the window, except in a one-row window, which has
  // no row above the cursor line; near the end the window ends with the list.
  if (pos.select < half)
    pos.top = 0;
  else if (pos.select + half + 1 < count)
    pos.top = pos.select - std::max(half - 1, 0);
  else
    pos.top = std::max(count - rows, 0);
}

list_pos view_list::current_pos() const { return list_position(owner->handle); }

// Puts the host's cursor on the line, with the window placed by the top-line rule.
void view_list::set_list_pos(int select_pos) const {
  list_pos pos;
  pos.select = select_pos;
  list_window_top(pos);
  set_list_position(owner->handle, pos);
}

}  // namespace far_tolvane
