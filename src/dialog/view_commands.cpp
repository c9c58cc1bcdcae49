// Refresh, new, clone and delete: the commands that change the set of views or a view's state.
#include "dialog/view_list_dialog.h"

namespace far_tolvane {

// The dialog follows the changed list in size and stays centred; the view under the cursor is
// applied even when it already was.
void view_list::relayout_and_apply(list_pos pos) {
  enable_redraw(owner->handle, false);
  owner->layout(cursor_node, pos.select, pos.top);
  apply_view(*cursor_node);
  enable_redraw(owner->handle, true);
  redraw(owner->handle);
}

void view_list::refresh_command() {
  const list_pos pos = current_pos();
  (*cursor_node)->check_exists();
  relayout_and_apply(pos);
}

// The list still shows the old lines, so the cursor's line is the new entry's line. A view that
// cannot be made for want of memory leaves the list as it was.
bool view_list::add_view_command(view_position (*make)(view_position)) {
  const view_position made = make(cursor_node);
  if (made == view_order.end()) return false;
  cursor_node = made;
  const list_pos pos = current_pos();
  (*cursor_node)->check_exists();
  relayout_and_apply(pos);
  return true;
}

// The new line's room comes first: without it nothing changes. When the new view's capture
// fails, the panel may have gone to C:\ already: it is put back.
void view_list::new_view_command() {
  if (room_for_one_more() && !add_view_command(create_view_at) && applied_view)
    apply_view(applied_view);
}

void view_list::clone_view_command() {
  if (room_for_one_more()) add_view_command(clone_view_at);
}

bool view_list::room_for_one_more() {
  return reserve_lines(static_cast<int>(view_order.size()) + 1);
}

void view_list::delete_view_command() {
  if (owned_views.size() <= 2) return;
  const bool was_active = *cursor_node == active_slot->shown();
  list_pos pos = current_pos();
  if (applied_view == *cursor_node) applied_view = nullptr;
  cursor_node = delete_view_at(cursor_node);
  while (cursor_node != view_order.end() && is_shown_on_other_panel(*cursor_node)) {
    ++cursor_node;
    ++pos.select;
  }
  if (cursor_node == view_order.end()) {
    do {
      --cursor_node;
      --pos.select;
    } while (is_shown_on_other_panel(*cursor_node));
  }
  if (was_active) active_slot->set_view(*cursor_node);
  (*cursor_node)->check_exists();
  relayout_and_apply(pos);
}

}  // namespace far_tolvane
