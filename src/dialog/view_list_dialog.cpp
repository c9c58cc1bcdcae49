#include "dialog/view_list_dialog.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "binding/keys.h"
#include "binding/panels.h"
#include "binding/texts.h"
#include "dialog/console_fit.h"
#include "host/message_ids.h"

namespace far_tolvane {

std::unique_ptr<view_list_dialog_impl> dialog_instance;

namespace {

dialog_item frame(item_kind kind, int x1, int y1, int x2, int y2, bool hidden) {
  dialog_item item;
  item.kind = kind;
  item.x1 = x1;
  item.y1 = y1;
  item.x2 = x2;
  item.y2 = y2;
  item.hidden = hidden;
  item.text = GetMsg(far_host::MListTitle);
  return item;
}

}  // namespace

void create_view_list_dialog() { dialog_instance.reset(new (std::nothrow) view_list_dialog_impl); }

void destroy_view_list_dialog() { dialog_instance.reset(); }

view_list_dialog_impl::view_list_dialog_impl() : list(this) {}

// No watch of Ctrl outlives the list.
view_list_dialog_impl::~view_list_dialog_impl() { stop_ctrl_watch(); }

void view_list::apply_view(view* wanted) {
  const bool entered = wanted->apply();
  show_panels_under_dialog();
  if (entered) applied_view = wanted;
}

// Without memory for its lines the list is not shown, and nothing has changed.
int view_list_dialog_impl::run() {
  if (!list.reserve_lines(static_cast<int>(view_order.size()))) return -1;
  quick_switch = false;
  fixed_order = false;
  list.cursor_node = find_view(view_order, active_slot->shown());
  // No list yet, so no place in it.
  layout(list.cursor_node, {}, {});
  list.applied_view = active_slot->in_step() ? *list.cursor_node : nullptr;
  list.preview_deferred = false;
  return run_list_dialog(width, height, items, list.lines.get(), list.line_count);
}

void view_list_dialog_impl::layout(view_position cursor, int select_pos, int top_pos) {
  const int mx = quick_switch ? 0 : 2;
  const int my = quick_switch ? 0 : 1;

  list.measure(width, height);
  const int title_width = static_cast<int>(text_length(GetMsg(far_host::MListTitle))) + 4;
  width = std::max(width, title_width);
  width += 2 * (mx + 1);
  height += 2 * (my + 1);
  // However small the console, the frame keeps at least one column and one row of list inside.
  const dialog_size fitted = fit_console({width, height}, {2 * mx + 3, 2 * my + 3}, quick_switch);
  width = fitted.width;
  height = fitted.height;

  items[0] = frame(item_kind::double_box, mx, my, width - mx - 1, height - my - 1, fixed_order);
  items[1] = frame(item_kind::single_box, mx, my, width - mx - 1, height - my - 1, !fixed_order);
  dialog_item& list_box = items[2];
  list_box = dialog_item{};
  list_box.kind = item_kind::list_box;
  list_box.x1 = mx + 1;
  list_box.y1 = my + 1;
  list_box.x2 = width - mx - 2;
  list_box.y2 = height - my - 2;

  list.fill(cursor, select_pos, top_pos);

  if (!handle) return;
  for (int i = 0; i < 3; ++i) set_item(handle, i, items[i]);
  resize_dialog(handle, width, height);
  centre_dialog(handle);
}

void view_list_dialog_impl::relayout() {
  const list_pos pos = list_position(handle);
  enable_redraw(handle, false);
  layout(list.cursor_node, pos.select, pos.top);
  enable_redraw(handle, true);
  redraw(handle);
}

void view_list_dialog_impl::init_dialog(dialog_handle dialog) {
  handle = dialog;
  ignore_list_clicks(handle);
  list.set_list_pos(static_cast<int>(std::distance(view_order.begin(), list.cursor_node)));
  centre_dialog(handle);
}

}  // namespace far_tolvane
