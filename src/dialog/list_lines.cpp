#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "dialog/view_list_dialog.h"
#include "host/windows_api.h"
#include "plugin/host_api.h"
#include "views/view_numbers.h"

namespace far_tolvane {

using far_host::FarListItem;
using far_host::LONG_PARAM;

namespace {

// The host counts lines in ints; null when memory is short.
FarListItem* new_lines(int count) {
  return new (std::nothrow) FarListItem[static_cast<std::size_t>(count)];
}

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
    const int name = static_cast<int>(std::strlen(GetMsg(shown->kind_message_id())));
    widest_name = std::max(widest_name, name);
    const int line = digits + name + static_cast<int>(std::strlen(shown->path())) + 6;
    width = std::max(width, line);
    ++count;
  }
  width += 4;
}

bool view_list::reserve_lines(int count) {
  if (count <= line_capacity) return true;
  std::unique_ptr<FarListItem[]> fresh(new_lines(count));
  if (!fresh) return false;
  lines = std::move(fresh);
  line_capacity = count;
  far_list.Items = lines.get();
  return true;
}

// The commands that add a view make room first, so that here the room is only checked.
void view_list::fill(view_position cursor, int select_pos, int) {
  if (!reserve_lines(static_cast<int>(view_order.size()))) return;
  cursor_node = cursor;
  const far_host::FarDialogItem& list_box = owner->items[2];
  const int digits = number_column_width();
  // A console too narrow for the fixed columns leaves the location column empty; one past 141
  // columns gives a line more room than the 127 characters of a list text. Either way the
  // location gives way, shortened at its front, so that its deepest folders stay in sight. The
  // line's marks and blanks take 6 characters.
  const int text_room = static_cast<int>(sizeof FarListItem::Text) - 1 - digits - widest_name - 6;
  const int location_width =
      std::max(0, std::min(list_box.X2 - list_box.X1 - digits - widest_name - 9, text_room));

  FarListItem* line = lines.get();
  for (const view* shown : view_order) {
    line->Flags = is_shown_on_other_panel(shown) ? far_host::LIF_DISABLE : 0;
    char marker = ' ';
    if (!shown->shown_in.empty()) marker = *panel_side(shown->shown_in.front()) == 'L' ? '<' : '>';
    const char mark = shown->exists() ? '.' : '-';
    const char* location = location_width > 0 ? shown->short_path(location_width) : "";
    // Only fixed columns wider than Text itself are cut here. The system's formatter keeps
    // MinGW's own out of the DLL, but leaves a cut line unterminated.
    _snprintf(line->Text, sizeof line->Text, "%*d%c %-*.*s %c %-*.*s ", digits, shown->number, mark,
              widest_name, widest_name, GetMsg(shown->kind_message_id()), marker, location_width,
              location_width, location);
    line->Text[sizeof line->Text - 1] = '\0';
    line->Reserved[0] = line->Reserved[1] = line->Reserved[2] = 0;
    ++line;
  }
  far_list = {static_cast<int>(view_order.size()), lines.get()};

  if (!owner->dialog_handle) return;
  send(far_host::DM_LISTSET, 2, reinterpret_cast<LONG_PARAM>(&far_list));
  set_list_pos(select_pos);
}

int view_list::list_height() const {
  const far_host::FarDialogItem& list_box = owner->items[2];
  return list_box.Y2 - list_box.Y1 + 1;
}

void view_list::list_window_top(far_host::FarListPos& pos) const {
  const int count = far_list.ItemsNumber;
  const int rows = list_height();
  const int half = rows / 2;
  // The cursor line stays on row half - 1 of the window, except in a one-row window, which has
  // no row above the cursor line; near the end the window ends with the list.
  if (pos.SelectPos < half)
    pos.TopPos = 0;
  else if (pos.SelectPos + half + 1 < count)
    pos.TopPos = pos.SelectPos - std::max(half - 1, 0);
  else
    pos.TopPos = std::max(count - rows, 0);
}

far_host::FarListPos view_list::current_pos() const {
  far_host::FarListPos pos{};
  send(far_host::DM_LISTGETCURPOS, 2, reinterpret_cast<LONG_PARAM>(&pos));
  return pos;
}

// Puts the host's cursor on the line, with the window placed by the top-line rule.
void view_list::set_list_pos(int select_pos) const {
  far_host::FarListPos pos{};
  pos.SelectPos = select_pos;
  list_window_top(pos);
  send(far_host::DM_LISTSETCURPOS, 2, reinterpret_cast<LONG_PARAM>(&pos));
}

LONG_PARAM view_list::send(int message, int param1, LONG_PARAM param2) const {
  return owner->send(message, param1, param2);
}

}  // namespace far_tolvane
