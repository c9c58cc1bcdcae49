// What the plugin's logic asks of the host's dialogs, in its own terms. Each host binding turns
// these into its own records and messages, and runs the dialog procedures that call back into
// the list (view_list_dialog_impl) and the notice box.
#pragma once

#include "host/host_char.h"

namespace far_tolvane {

using dialog_handle = void*;

enum class item_kind { double_box, single_box, text, button, list_box };

// One item of a dialog; the host copies the text.
struct dialog_item {
  item_kind kind = item_kind::text;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool hidden = false;
  // A button that has the focus and is the default, centred in its row.
  bool default_button = false;
  const host_char* text = nullptr;
};

// One line of the list: a text cut to its room, and whether the cursor skips it.
struct list_line {
  host_char text[list_line_room];
  bool disabled;
};

struct list_pos {
  int select = 0;
  int top = 0;
};

// The list's three items (two frames and the list box, which shows `lines`) run modally; the
// answer is the host's.
int run_list_dialog(int width, int height, const dialog_item (&items)[3], const list_line* lines,
                    int line_count);
// The host's own list records for `count` lines, made before the lines change; false when
// memory is short.
bool reserve_list_records(int count);
// Gives them back, when the session ends.
void release_list_records();
// The notice box's four items, run modally as a warning.
void run_notice_dialog(int width, int height, const dialog_item (&items)[4]);

// Messages to a running dialog; item 2 is the list's list box.
void enable_redraw(dialog_handle dialog, bool on);
// After redraw is enabled again: the dialog and the panels under it as they now are.
void redraw(dialog_handle dialog);
// The exit code 0 closes the dialog as the plugin's own close.
void close_dialog(dialog_handle dialog);
void set_item(dialog_handle dialog, int index, const dialog_item& item);
void resize_dialog(dialog_handle dialog, int width, int height);
void centre_dialog(dialog_handle dialog);
void move_dialog_by(dialog_handle dialog, int columns, int rows);
list_pos list_position(dialog_handle dialog);
void set_list_position(dialog_handle dialog, list_pos pos);
void set_list(dialog_handle dialog, const list_line* lines, int count);
// Clicks in the list do not move its cursor.
void ignore_list_clicks(dialog_handle dialog);

}  // namespace far_tolvane
