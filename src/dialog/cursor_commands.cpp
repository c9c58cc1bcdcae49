// Cursor walks with live preview, reorders of the display order, and renumbering.
#include "dialog/typed_ahead.h"
#include "dialog/view_list_dialog.h"
#include "views/view_numbers.h"

namespace far_tolvane {

namespace {

bool selectable(view_position position) { return !is_shown_on_other_panel(*position); }

}  // namespace

// One step down; past the last entry to the first.
void view_list::step_next(list_pos& pos) {
  ++cursor_node;
  ++pos.select;
  if (cursor_node == view_order.end()) {
    cursor_node = view_order.begin();
    pos.select = 0;
  }
}

// One step up; before the first entry to the last.
void view_list::step_previous(list_pos& pos) {
  if (cursor_node == view_order.begin()) {
    cursor_node = std::prev(view_order.end());
    pos.select = line_count - 1;
    return;
  }
  --cursor_node;
  --pos.select;
}

void view_list::present_cursor(list_pos pos) {
  (*cursor_node)->check_exists();
  enable_redraw(owner->handle, false);
  fill(cursor_node, pos.select, pos.top);
  if (cursor_step_waiting())
    preview_deferred = true;
  else
    owner->preview_cursor_view();
  enable_redraw(owner->handle, true);
  redraw(owner->handle);
  set_list_pos(pos.select);
}

void view_list::cursor_down() {
  list_pos pos = current_pos();
  do step_next(pos);
  while (!selectable(cursor_node));
  present_cursor(pos);
}

void view_list::cursor_up() {
  list_pos pos = current_pos();
  do step_previous(pos);
  while (!selectable(cursor_node));
  present_cursor(pos);
}

void view_list::cursor_home() {
  list_pos pos{};
  cursor_node = view_order.begin();
  while (!selectable(cursor_node)) step_next(pos);
  present_cursor(pos);
}

void view_list::cursor_end() {
  list_pos pos{};
  pos.select = line_count - 1;
  cursor_node = std::prev(view_order.end());
  while (!selectable(cursor_node)) step_previous(pos);
  present_cursor(pos);
}

// Page moves stop at the ends; the skipping after them runs back toward the starting side.
void view_list::page_up() {
  list_pos pos = current_pos();
  for (int step = 0; step < list_height(); ++step) {
    if (cursor_node == view_order.begin()) {
      pos.select = 0;
      break;
    }
    --cursor_node;
    --pos.select;
  }
  while (!selectable(cursor_node)) step_next(pos);
  present_cursor(pos);
}

void view_list::page_down() {
  list_pos pos = current_pos();
  for (int step = 0; step < list_height(); ++step) {
    if (std::next(cursor_node) == view_order.end()) {
      pos.select = line_count - 1;
      break;
    }
    ++cursor_node;
    ++pos.select;
  }
  while (!selectable(cursor_node)) step_previous(pos);
  present_cursor(pos);
}

// The target place is found from the neighbours before the view is moved; its own node moves,
// which needs no memory.
void view_list::finish_reorder(list_pos pos, view_position target, int select_pos) {
  view_order.splice(target, view_order, cursor_node);
  pos.select = select_pos;
  enable_redraw(owner->handle, false);
  fill(cursor_node, pos.select, pos.top);
  enable_redraw(owner->handle, true);
  redraw(owner->handle);
  set_list_pos(pos.select);
}

void view_list::move_view_up() {
  const list_pos pos = current_pos();
  if (cursor_node == view_order.begin())
    finish_reorder(pos, view_order.end(), line_count - 1);
  else
    finish_reorder(pos, std::prev(cursor_node), pos.select - 1);
}

void view_list::move_view_down() {
  const list_pos pos = current_pos();
  if (std::next(cursor_node) == view_order.end())
    finish_reorder(pos, view_order.begin(), 0);
  else
    finish_reorder(pos, std::next(cursor_node, 2), pos.select + 1);
}

void view_list::move_view_to_top() {
  const list_pos pos = current_pos();
  finish_reorder(
      pos, cursor_node == view_order.begin() ? std::next(cursor_node) : view_order.begin(), 0);
}

void view_list::move_view_to_bottom() {
  const list_pos pos = current_pos();
  finish_reorder(pos, view_order.end(), line_count - 1);
}

void view_list::renumber_command() {
  renumber_views(view_order);
  const list_pos pos = current_pos();
  enable_redraw(owner->handle, false);
  fill(cursor_node, pos.select, pos.top);
  enable_redraw(owner->handle, true);
  redraw(owner->handle);
}

}  // namespace far_tolvane
