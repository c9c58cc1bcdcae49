// A dialog made by FAR 3's DialogInit and run by DialogRun: the host's copy of the items and
// their texts, list boxes with whole Unicode lines, FAR 3's DM_ messages and DN_ notifications,
// and the host's own handling of the input records the procedure leaves to it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/far3_api.h"
#include "host_core/dialog.h"

namespace host_core {

class far3_table;

struct far3_list_line {
  std::wstring text;
  far3_host::LISTITEMFLAGS flags = 0;
};

struct far3_item {
  // The record as given, its text pointers cleared: the host keeps its own copies.
  far3_host::FarDialogItem record{};
  std::wstring text;
  // A list box's lines are read when the dialog starts, from the plugin's FarList.
  const far3_host::FarList* pending_list = nullptr;
  std::vector<far3_list_line> lines;
  far3_host::FarListPos pos{sizeof(far3_host::FarListPos), 0, 0};
};

// DialogInit's arguments.
struct far3_dialog_request {
  far3_host::GUID id{};
  std::intptr_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string help_topic;
  const far3_host::FarDialogItem* items = nullptr;
  std::size_t count = 0;
  far3_host::FARDIALOGFLAGS flags = 0;
  far3_host::FARWINDOWPROC proc = nullptr;
  void* param = nullptr;
};

class far3_dialog : public dialog_frame {
 public:
  far3_dialog(far3_table& table, const far3_dialog_request& request);

  std::intptr_t run();
  std::intptr_t message(std::intptr_t msg, std::intptr_t param1, void* param2);
  // FAR's own answer to a notification, DefDlgProc's.
  static std::intptr_t default_answer(std::intptr_t msg, void* param2);

  // The first list box; the plugin's dialogs have at most one.
  far3_item& list();
  const far3_item& list() const;
  std::vector<std::string> line_texts() const;
  // A text item's text as FAR shows it, clipped by its rule for the item's placing; UTF-8.
  std::string shown_text(int index) const;
  std::string text(int index) const;
  int list_rows(int index) const;
  bool focusable_line(const far3_item& item, std::size_t line) const;

  far3_host::GUID id;
  std::string help_topic;
  far3_host::FARDIALOGFLAGS flags;
  std::vector<far3_item> items;
  // FAR 3's redraw counter: 0 draws, each DM_ENABLEREDRAW FALSE takes one off.
  int redraw_counter = 0;
  bool initialising = false, initialised = false, running = false, closed = false, freed = false;
  bool input_notify = false;
  // A panel was drawn over the dialog, which shows so until the next full redraw.
  bool overdrawn = false;
  // Times the dialog was drawn on the screen, alone or with the windows under it.
  int draws = 0;
  std::intptr_t exit_code = -1;
  void* param;
  // The procedure's last answer to each notification.
  std::map<std::intptr_t, std::intptr_t> answers;
  // Calls of the procedure, in order, by notification.
  std::vector<std::intptr_t> notified;

 private:
  std::intptr_t notify(std::intptr_t msg, std::intptr_t param1, void* param2);
  bool close(std::intptr_t code);
  void take(const far3_host::INPUT_RECORD& record);
  // Adds a wheel record's turn to the wheel's sum; true once the sum comes to whole notches,
  // whose turn the record then carries, what is left over staying in the sum.
  bool add_turn(far3_host::INPUT_RECORD& record);
  // The item under a screen cell, frames left out; -1 for none.
  int item_at(int column, int row) const;
  void click(const MOUSE_EVENT_RECORD& mouse);
  void default_input(const far3_host::INPUT_RECORD& record);
  void move_focus(int step);
  bool focusable(int index) const;
  bool is_list(std::intptr_t index) const;
  void load_lines(far3_item& item, const far3_host::FarList& list);
  // The cursor on the nearest line that can hold it, looking first in the direction given.
  void place_cursor(int index, std::intptr_t select, std::intptr_t top, int direction);
  // A user's move of the list cursor, which the procedure may veto.
  void user_move(int index, std::intptr_t select, int direction);
  void draw_self();
  void note_reserved(const far3_host::FarDialogItem& record);

  far3_table& table_;
  far3_host::FARWINDOWPROC proc_;
  // The turns of the wheel and of the horizontal wheel not yet made a key of. FAR keeps them
  // across its windows; the model from the dialog's start.
  int wheel_sum_ = 0, hwheel_sum_ = 0;
};

}  // namespace host_core
