#include "dialog/view_list_dialog.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>

#include "dialog/console_fit.h"
#include "host/message_ids.h"
#include "plugin/host_api.h"

namespace far_tolvane {

using far_host::FarDialogItem;
using far_host::LONG_PARAM;

std::unique_ptr<view_list_dialog_impl> dialog_instance;

namespace {

const char help_topic[] = "Panel_list";

FarDialogItem frame(int type, int x1, int y1, int x2, int y2, bool hidden) {
  FarDialogItem item{};
  item.Type = type;
  item.X1 = x1;
  item.Y1 = y1;
  item.X2 = x2;
  item.Y2 = y2;
  item.Flags = hidden ? far_host::DIF_HIDDEN : 0;
  copy_text(item.Data, GetMsg(far_host::MListTitle));
  return item;
}

}  // namespace

void create_view_list_dialog() { dialog_instance.reset(new (std::nothrow) view_list_dialog_impl); }

void destroy_view_list_dialog() { dialog_instance.reset(); }

view_list_dialog_impl::view_list_dialog_impl() : static_items{}, list(this) {}

// Without memory for its lines the list is not shown, and nothing has changed.
void apply_under_list(view* shown) {
  shown->apply();
  if (host_hides_panels_under_dialogs())
    host_api.AdvControl(host_api.ModuleNumber, far_host::ACTL_REDRAWALL, nullptr);
}

int view_list_dialog_impl::run() {
  if (!list.reserve_lines(static_cast<int>(view_order.size()))) return -1;
  quick_switch = false;
  fixed_order = false;
  list.cursor_node = find_view(view_order, active_slot->shown());
  layout(list.cursor_node, 0, 0);
  list.applied_view = *list.cursor_node;
  list.preview_deferred = false;
  return host_api.DialogEx(host_api.ModuleNumber, -1, -1, width, height, help_topic, items, 3, 0, 0,
                           view_list_dialog_proc, 0);
}

void view_list_dialog_impl::layout(view_position cursor, int select_pos, int top_pos) {
  const int mx = quick_switch ? 0 : 2;
  const int my = quick_switch ? 0 : 1;

  list.measure(width, height);
  const int title_width = static_cast<int>(std::strlen(GetMsg(far_host::MListTitle))) + 4;
  width = std::max(width, title_width);
  width += 2 * (mx + 1);
  height += 2 * (my + 1);
  // However small the console, the frame keeps at least one column and one row of list inside.
  const dialog_size fitted = fit_console({width, height}, {2 * mx + 3, 2 * my + 3}, quick_switch);
  width = fitted.width;
  height = fitted.height;

  items[0] = frame(far_host::DI_DOUBLEBOX, mx, my, width - mx - 1, height - my - 1, fixed_order);
  items[1] = frame(far_host::DI_SINGLEBOX, mx, my, width - mx - 1, height - my - 1, !fixed_order);
  FarDialogItem& list_box = items[2];
  list_box = FarDialogItem{};
  list_box.Type = far_host::DI_LISTBOX;
  list_box.X1 = mx + 1;
  list_box.Y1 = my + 1;
  list_box.X2 = width - mx - 2;
  list_box.Y2 = height - my - 2;
  list_box.ListItems = &list.far_list;
  list_box.Flags = far_host::DIF_NOFOCUS | far_host::DIF_LISTNOBOX;

  list.fill(cursor, select_pos, top_pos);

  if (!dialog_handle) return;
  for (int i = 0; i < 3; ++i)
    send(far_host::DM_SETDLGITEM, i, reinterpret_cast<LONG_PARAM>(&items[i]));
  far_host::COORD size{static_cast<short>(width), static_cast<short>(height)};
  send(far_host::DM_RESIZEDIALOG, 0, reinterpret_cast<LONG_PARAM>(&size));
  far_host::COORD centre{-1, -1};
  send(far_host::DM_MOVEDIALOG, 1, reinterpret_cast<LONG_PARAM>(&centre));
}

void view_list_dialog_impl::relayout() {
  far_host::FarListPos pos{};
  send(far_host::DM_LISTGETCURPOS, 2, reinterpret_cast<LONG_PARAM>(&pos));
  send(far_host::DM_ENABLEREDRAW, 0, 0);
  layout(list.cursor_node, pos.SelectPos, pos.TopPos);
  send(far_host::DM_ENABLEREDRAW, 1, 0);
  send(far_host::DM_REDRAW, 0, 0);
}

LONG_PARAM view_list_dialog_impl::init_dialog(far_host::HANDLE handle) {
  dialog_handle = handle;
  send(far_host::DM_LISTSETMOUSEREACTION, 2, far_host::LMRT_ONLYFOCUS);
  list.set_list_pos(static_cast<int>(std::distance(view_order.begin(), list.cursor_node)));
  far_host::COORD centre{-1, -1};
  send(far_host::DM_MOVEDIALOG, 1, reinterpret_cast<LONG_PARAM>(&centre));
  return 0;
}

LONG_PARAM view_list_dialog_impl::send(int message, int param1, LONG_PARAM param2) const {
  return host_api.SendDlgMessage(dialog_handle, message, param1, param2);
}

}  // namespace far_tolvane
