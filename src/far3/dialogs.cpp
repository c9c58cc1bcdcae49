// The dialogs through FAR 3: DialogInit, DialogRun and DialogFree with records that point at
// their texts, SendDlgMessage, and the notifications turned into what the list and the notice
// box do. Keys come as console records to DN_CONTROLINPUT; with input notices on, every record
// also comes to DN_INPUT first, where a key going up has quick switch look at the Ctrl key.
#include "far3/dialogs.h"

#include "binding/dialogs.h"
#include "binding_common/record_block.h"
#include "dialog/reported_keys.h"
#include "dialog/view_list_dialog.h"
#include "far3/host_api.h"
#include "far3/keys.h"

namespace far_tolvane {

using far3_host::FarDialogItem;
using far3_host::FarListItem;

namespace {

// The list's lines as the host reads them, their texts the list's own; the list box item points
// at far_list.
record_block<FarListItem> list_records;
far3_host::FarList far_list{};
// The list cursor moves only by the plugin's own messages; a click in the list is turned down.
bool own_list_move = false;
bool notice_running = false;

constexpr far3_host::FARDIALOGITEMTYPES item_types[] = {
    far3_host::DI_DOUBLEBOX, far3_host::DI_SINGLEBOX, far3_host::DI_TEXT, far3_host::DI_BUTTON,
    far3_host::DI_LISTBOX};

FarDialogItem record_of(const dialog_item& item) {
  FarDialogItem record{};
  record.Type = item_types[static_cast<int>(item.kind)];
  record.X1 = item.x1;
  record.Y1 = item.y1;
  record.X2 = item.x2;
  record.Y2 = item.y2;
  if (item.hidden) record.Flags |= far3_host::DIF_HIDDEN;
  if (item.default_button)
    record.Flags |=
        far3_host::DIF_CENTERGROUP | far3_host::DIF_DEFAULTBUTTON | far3_host::DIF_FOCUS;
  // The list has the focus, as FAR 3 hands a focused item every key and wheel turn; it closes on
  // nothing of its own, and its cursor moves only by the plugin's messages (DN_LISTCHANGE).
  if (item.kind == item_kind::list_box) {
    record.Flags |= far3_host::DIF_FOCUS | far3_host::DIF_LISTNOBOX | far3_host::DIF_LISTNOCLOSE;
    record.ListItems = &far_list;
  }
  record.Data = item.text;
  return record;
}

// The room was reserved before the lines changed.
void take_lines(const list_line* lines, int count) {
  for (int i = 0; i < count; ++i) {
    FarListItem& record = list_records[i];
    record = FarListItem{};
    record.Flags = lines[i].disabled ? far3_host::LIF_DISABLE : 0;
    record.Text = lines[i].text;
  }
  far_list = {sizeof far_list, static_cast<std::size_t>(count), list_records.get()};
}

// Param1 0 where the message has no use for it, and for a close of the plugin's own making.
std::intptr_t send(dialog_handle dialog, std::intptr_t message, std::intptr_t param1 = 0,
                   void* param2 = nullptr) {
  return host_api.SendDlgMessage(dialog, message, param1, param2);
}

void send_coord(dialog_handle dialog, std::intptr_t message, int x, int y,
                std::intptr_t param1 = 0) {
  COORD coord{static_cast<SHORT>(x), static_cast<SHORT>(y)};
  send(dialog, message, param1, &coord);
}

// A list message sends DN_LISTCHANGE from inside: that move is the plugin's own.
std::intptr_t send_list_move(dialog_handle dialog, std::intptr_t message, void* param2) {
  own_list_move = true;
  const std::intptr_t answer = send(dialog, message, 2, param2);
  own_list_move = false;
  return answer;
}

std::intptr_t run(const far3_host::GUID& id, int width, int height, const wchar_t* help,
                  const FarDialogItem* records, std::size_t count, far3_host::FARDIALOGFLAGS flags,
                  far3_host::FARWINDOWPROC proc) {
  const far3_host::HANDLE dialog = host_api.DialogInit(
      &plugin_guid, &id, -1, -1, width, height, help, records, count, 0, flags, proc, nullptr);
  if (dialog == far3_host::invalid_handle) return -1;
  const std::intptr_t code = host_api.DialogRun(dialog);
  host_api.DialogFree(dialog);
  return code;
}

}  // namespace

bool reserve_list_records(int count) { return list_records.reserve(count); }

int run_list_dialog(int width, int height, const dialog_item (&items)[3], const list_line* lines,
                    int line_count) {
  take_lines(lines, line_count);
  FarDialogItem records[3];
  for (int i = 0; i < 3; ++i) records[i] = record_of(items[i]);
  return static_cast<int>(
      run(list_dialog_guid, width, height, L"Panel_list", records, 3, 0, view_list_dialog_proc));
}

void run_notice_dialog(int width, int height, const dialog_item (&items)[4]) {
  FarDialogItem records[4];
  for (int i = 0; i < 4; ++i) records[i] = record_of(items[i]);
  notice_running = true;
  run(notice_dialog_guid, width, height, nullptr, records, 4, far3_host::FDLG_WARNING,
      notice_box_proc);
  notice_running = false;
}

bool notice_shown() { return notice_running; }

void release_list_records() {
  list_records.release();
  far_list = far3_host::FarList{};
}

void enable_redraw(dialog_handle dialog, bool on) {
  send(dialog, far3_host::DM_ENABLEREDRAW, on ? 1 : 0);
}

// Leaving the DM_ENABLEREDRAW bracket that comes before has redrawn every window.
void redraw(dialog_handle) {}

void close_dialog(dialog_handle dialog) { send(dialog, far3_host::DM_CLOSE); }

void set_item(dialog_handle dialog, int index, const dialog_item& item) {
  FarDialogItem record = record_of(item);
  send(dialog, far3_host::DM_SETDLGITEM, index, &record);
}

void resize_dialog(dialog_handle dialog, int width, int height) {
  send_coord(dialog, far3_host::DM_RESIZEDIALOG, width, height);
}

void centre_dialog(dialog_handle dialog) {
  send_coord(dialog, far3_host::DM_MOVEDIALOG, -1, -1, 1);
}

void move_dialog_by(dialog_handle dialog, int columns, int rows) {
  send_coord(dialog, far3_host::DM_MOVEDIALOG, columns, rows);
}

list_pos list_position(dialog_handle dialog) {
  far3_host::FarListPos pos{};
  pos.StructSize = sizeof pos;
  send(dialog, far3_host::DM_LISTGETCURPOS, 2, &pos);
  return {static_cast<int>(pos.SelectPos), static_cast<int>(pos.TopPos)};
}

void set_list_position(dialog_handle dialog, list_pos pos) {
  far3_host::FarListPos record{sizeof record, pos.select, pos.top};
  send_list_move(dialog, far3_host::DM_LISTSETCURPOS, &record);
}

void set_list(dialog_handle dialog, const list_line* lines, int count) {
  take_lines(lines, count);
  send_list_move(dialog, far3_host::DM_LISTSET, &far_list);
}

// FAR 3 sends no DN_LISTCHANGE before the dialog is initialised: every move that is not the
// plugin's own is turned down there.
void ignore_list_clicks(dialog_handle) {}

namespace {

// A wheel turn or a key the list has a command on.
bool takes_input(view_list_dialog_impl& self, const INPUT_RECORD& record) {
  if (record.EventType == MOUSE_EVENT) {
    const far_host::key_code wheel = wheel_key(&record.Event.MouseEvent);
    return wheel != far_host::KEY_NONE && self.take_key(wheel);
  }
  const far_host::key_code key = key_of(record);
  return key != far_host::KEY_NONE && self.reported_key(key);
}

}  // namespace

std::intptr_t FARAPI view_list_dialog_proc(far3_host::HANDLE dialog, std::intptr_t message,
                                           std::intptr_t param1, void* param2) {
  view_list_dialog_impl& self = *dialog_instance;
  const auto* record = static_cast<const INPUT_RECORD*>(param2);
  switch (message) {
    case far3_host::DN_INITDIALOG:
      self.init_dialog(dialog);
      send(dialog, far3_host::DM_SETINPUTNOTIFY, 1);
      return 0;
    case far3_host::DN_CLOSE: self.closing(static_cast<int>(param1)); return 1;
    // The key state has the last word: a tool that holds Ctrl for a test may still write a
    // release of its own into the console.
    case far3_host::DN_INPUT:
      if (record && releases_key(*record)) self.idle();
      return 1;
    case far3_host::DN_CONTROLINPUT:
      if (record && takes_input(self, *record)) return 1;
      break;
    case far3_host::DN_LISTCHANGE:
      if (!own_list_move) return 0;
      break;
    default: break;
  }
  return host_api.DefDlgProc(dialog, message, param1, param2);
}

std::intptr_t FARAPI notice_box_proc(far3_host::HANDLE dialog, std::intptr_t message,
                                     std::intptr_t param1, void* param2) {
  notice_box& box = dialog_instance->notice;
  const auto* record = static_cast<const INPUT_RECORD*>(param2);
  switch (message) {
    case far3_host::DN_INITDIALOG:
      box.init_dialog(dialog);
      send(dialog, far3_host::DM_SETINPUTNOTIFY, 1);
      return 0;
    // A key going up comes here first; a Ctrl made by a macro is left to the synchro tick.
    case far3_host::DN_INPUT:
      if (record && releases_key(*record)) box.look_at_ctrl();
      return 1;
    default: break;
  }
  return host_api.DefDlgProc(dialog, message, param1, param2);
}

}  // namespace far_tolvane
