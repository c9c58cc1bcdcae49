// The dialogs through API 1.70: DialogEx with records that hold their texts, SendDlgMessage, and
// the notifications turned into what the list and the notice box do.
#include "far170/dialogs.h"

#include <cstring>

#include "binding/dialogs.h"
#include "binding_common/record_block.h"
#include "dialog/reported_keys.h"
#include "dialog/view_list_dialog.h"
#include "far170/host_api.h"

namespace far_tolvane {

using far_host::FarDialogItem;
using far_host::FarListItem;
using far_host::LONG_PARAM;

namespace {

const char help_topic[] = "Panel_list";

// The list's lines as the host reads them; the list box item points at far_list.
record_block<FarListItem> list_records;
far_host::FarList far_list{};

constexpr int item_types[] = {far_host::DI_DOUBLEBOX, far_host::DI_SINGLEBOX, far_host::DI_TEXT,
                              far_host::DI_BUTTON, far_host::DI_LISTBOX};

FarDialogItem record_of(const dialog_item& item) {
  FarDialogItem record{};
  record.Type = item_types[static_cast<int>(item.kind)];
  record.X1 = item.x1;
  record.Y1 = item.y1;
  record.X2 = item.x2;
  record.Y2 = item.y2;
  if (item.hidden) record.Flags |= far_host::DIF_HIDDEN;
  if (item.default_button) {
    record.Flags |= far_host::DIF_CENTERGROUP;
    record.Focus = 1;
    record.DefaultButton = 1;
  }
  if (item.kind == item_kind::list_box) {
    record.Flags |= far_host::DIF_NOFOCUS | far_host::DIF_LISTNOBOX;
    record.ListItems = &far_list;
  }
  // Cut to the field, whose last byte stays the terminator.
  if (item.text) std::memcpy(record.Data, item.text, strnlen(item.text, sizeof record.Data - 1));
  return record;
}

static_assert(sizeof(FarListItem::Text) == sizeof(list_line::text), "a line is a list text");

// The room was reserved before the lines changed.
void take_lines(const list_line* lines, int count) {
  for (int i = 0; i < count; ++i) {
    FarListItem& record = list_records[i];
    record = FarListItem{};
    record.Flags = lines[i].disabled ? far_host::LIF_DISABLE : 0;
    std::memcpy(record.Text, lines[i].text, sizeof record.Text);
  }
  far_list = {count, list_records.get()};
}

LONG_PARAM send(dialog_handle dialog, int message, int param1, LONG_PARAM param2) {
  return host_api.SendDlgMessage(dialog, message, param1, param2);
}

LONG_PARAM send_coord(dialog_handle dialog, int message, int param1, int x, int y) {
  far_host::COORD coord{static_cast<short>(x), static_cast<short>(y)};
  return send(dialog, message, param1, reinterpret_cast<LONG_PARAM>(&coord));
}

}  // namespace

bool reserve_list_records(int count) { return list_records.reserve(count); }

void release_list_records() {
  list_records.release();
  far_list = far_host::FarList{};
}

int run_list_dialog(int width, int height, const dialog_item (&items)[3], const list_line* lines,
                    int line_count) {
  take_lines(lines, line_count);
  FarDialogItem records[3];
  for (int i = 0; i < 3; ++i) records[i] = record_of(items[i]);
  return host_api.DialogEx(host_api.ModuleNumber, -1, -1, width, height, help_topic, records, 3, 0,
                           0, view_list_dialog_proc, 0);
}

void run_notice_dialog(int width, int height, const dialog_item (&items)[4]) {
  FarDialogItem records[4];
  for (int i = 0; i < 4; ++i) records[i] = record_of(items[i]);
  host_api.DialogEx(host_api.ModuleNumber, -1, -1, width, height, nullptr, records, 4, 0,
                    far_host::FDLG_WARNING, notice_box_proc, 0);
}

void enable_redraw(dialog_handle dialog, bool on) {
  send(dialog, far_host::DM_ENABLEREDRAW, on ? 1 : 0, 0);
}

void redraw(dialog_handle dialog) { send(dialog, far_host::DM_REDRAW, 0, 0); }

void close_dialog(dialog_handle dialog) { send(dialog, far_host::DM_CLOSE, 0, 0); }

void set_item(dialog_handle dialog, int index, const dialog_item& item) {
  FarDialogItem record = record_of(item);
  send(dialog, far_host::DM_SETDLGITEM, index, reinterpret_cast<LONG_PARAM>(&record));
}

void resize_dialog(dialog_handle dialog, int width, int height) {
  send_coord(dialog, far_host::DM_RESIZEDIALOG, 0, width, height);
}

void centre_dialog(dialog_handle dialog) { send_coord(dialog, far_host::DM_MOVEDIALOG, 1, -1, -1); }

void move_dialog_by(dialog_handle dialog, int columns, int rows) {
  send_coord(dialog, far_host::DM_MOVEDIALOG, 0, columns, rows);
}

list_pos list_position(dialog_handle dialog) {
  far_host::FarListPos pos{};
  send(dialog, far_host::DM_LISTGETCURPOS, 2, reinterpret_cast<LONG_PARAM>(&pos));
  return {pos.SelectPos, pos.TopPos};
}

void set_list_position(dialog_handle dialog, list_pos pos) {
  far_host::FarListPos record{pos.select, pos.top};
  send(dialog, far_host::DM_LISTSETCURPOS, 2, reinterpret_cast<LONG_PARAM>(&record));
}

void set_list(dialog_handle dialog, const list_line* lines, int count) {
  take_lines(lines, count);
  send(dialog, far_host::DM_LISTSET, 2, reinterpret_cast<LONG_PARAM>(&far_list));
}

void ignore_list_clicks(dialog_handle dialog) {
  send(dialog, far_host::DM_LISTSETMOUSEREACTION, 2, far_host::LMRT_ONLYFOCUS);
}

LONG_PARAM FARAPI view_list_dialog_proc(far_host::HANDLE dialog, int message, int param1,
                                        LONG_PARAM param2) {
  view_list_dialog_impl& self = *dialog_instance;
  switch (message) {
    case far_host::DN_CLOSE: self.closing(param1); return 1;
    case far_host::DN_KEY:
      return self.reported_key(static_cast<far_host::key_code>(param2)) ? 1 : 0;
    case far_host::DN_MOUSECLICK:
    case far_host::DN_MOUSEEVENT: {
      const far_host::key_code wheel =
          wheel_key(reinterpret_cast<const MOUSE_EVENT_RECORD*>(param2));
      if (!wheel || !self.take_key(wheel)) break;
      // Handled: DN_MOUSECLICK says so with 1, DN_MOUSEEVENT with 0 (the host does nothing more).
      return message == far_host::DN_MOUSECLICK ? 1 : 0;
    }
    case far_host::DN_ENTERIDLE:
      if (!self.idle()) break;
      return 1;
    case far_host::DN_INITDIALOG: self.init_dialog(dialog); return 0;
    default: break;
  }
  return host_api.DefDlgProc(dialog, message, param1, param2);
}

LONG_PARAM FARAPI notice_box_proc(far_host::HANDLE dialog, int message, int param1,
                                  LONG_PARAM param2) {
  notice_box& box = dialog_instance->notice;
  if (message == far_host::DN_INITDIALOG) {
    box.init_dialog(dialog);
    return 0;
  }
  // An idle moment, or a key (Ctrl alone: let go by the user, or the list's wake-up tap): the
  // Ctrl key's state decides.
  if (message == far_host::DN_ENTERIDLE || message == far_host::DN_KEY) box.look_at_ctrl();
  return host_api.DefDlgProc(dialog, message, param1, param2);
}

}  // namespace far_tolvane
