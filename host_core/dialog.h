// A modal dialog run for a plugin's DialogEx: the host's copy of the items and list lines, the
// DM_ messages, the DN_ notifications and the host's default handling of keys.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/far_api.h"
#include "host/key_codes.h"
#include "host_core/input_record.h"

namespace host_core {

// `none` only wakes the dialog to look at its state again, as after something closed it. A wheel
// turn carries the wheel key it is in FAR 1.7x, with the modifiers held. FAR 3's dialogs take
// the console's own records, `input`, carried as their bytes; 1.7x dialogs pass them by.
struct event {
  enum kind_t { key, wheel, idle, quit, none, input } kind = none;
  far_host::key_code code = 0;
  record_bytes record{};
};

// Where the real hosts differ in what a plugin meets; FAR 1.70's ways by default.
struct host_ways {
  // The version word ACTL_GETFARVERSION answers: 1.70 build 2087 by default.
  int version = (2087 << 16) | (1 << 8) | 70;
  // FAR 1.7x send DN_ENTERIDLE while a dialog waits; FAR 3 never does.
  bool idle_notices = true;
  // FAR 3 hands a wheel turn over a dialog in as DN_MOUSECLICK, FAR 1.7x as a wheel key.
  bool wheel_as_mouse = false;
  // FAR 3 clips a centred text (X1 = -1) to the dialog's width - 10, a placed one to X1..X2.
  bool clips_centred_text = false;
  // FAR 1.75 draws a panel on FCTL_REDRAWPANEL only while no dialog covers the panels.
  bool panels_drawn_under_dialogs = true;
};
host_ways far175_ways();
host_ways far3_ways();

// The name of a dialog message that both APIs have, under the same number; null for the others.
const char* shared_dialog_message_name(std::intptr_t msg);

// What a running dialog needs of the host.
class dialog_host {
 public:
  virtual ~dialog_host() = default;
  // The next key, an idle moment, or quit when nobody is at the keyboard any more.
  virtual event next_event() = 0;
  virtual void redraw() = 0;
  virtual far_host::COORD screen_size() const = 0;
  virtual void show_help(const std::string& topic) = 0;

  host_ways ways;
};

// What the dialogs of both APIs share: their place on the screen, and the focus moved over the
// items that can take it.
class dialog_frame {
 public:
  // Where the dialog is on the screen.
  int x = 0, y = 0, width = 0, height = 0;
  bool centred = false;
  int focus = -1;

 protected:
  // Placed as the host's dialog call asks: x1 = y1 = -1 centres a dialog x2 wide and y2 high,
  // other values are its corners.
  dialog_frame(const dialog_host& host, std::intptr_t x1, std::intptr_t y1, std::intptr_t x2,
               std::intptr_t y2);
  void centre();
  // The focus on the next of `count` items, `step` on and round the end, that can take it; left
  // where it was when none can.
  void move_focus(int step, int count, const std::function<bool(int)>& focusable);

 private:
  const dialog_host& host_;
};

// DialogEx's arguments.
struct dialog_request {
  int x1, y1, x2, y2;
  std::string help_topic;
  const far_host::FarDialogItem* items;
  int count;
  far_host::DWORD flags;
  far_host::FARWINDOWPROC proc;
};

class dialog : public dialog_frame {
 public:
  struct list_box {
    std::vector<far_host::FarListItem> lines;
    far_host::FarListPos pos{0, 0};
    far_host::LONG_PARAM mouse_reaction = 0;
  };

  dialog(dialog_host& host, const dialog_request& request);
  virtual ~dialog() = default;
  dialog(const dialog&) = delete;
  dialog& operator=(const dialog&) = delete;

  int run(far_host::LONG_PARAM param);
  far_host::LONG_PARAM message(int msg, int param1, far_host::LONG_PARAM param2);
  // The host's own answer to a notification, DefDlgProc's: closing is allowed, a mouse event goes
  // on to the host's handling, and nothing else has a default effect.
  static far_host::LONG_PARAM default_proc(int msg, int param1, far_host::LONG_PARAM param2);

  // The first list box's state; this plugin's dialogs have at most one.
  list_box& list();
  const list_box& list() const;
  std::vector<std::string> line_texts() const;
  // A text item's text as the host shows it.
  std::string shown_text(int index) const;
  // Rows a list item shows, inside its frame unless it has none.
  int list_rows(int index) const;
  // The screen has a new size: a centred dialog is centred again.
  void screen_resized();
  // Drawing is suspended while DM_ENABLEREDRAW 0 calls outnumber the DM_ENABLEREDRAW 1 calls.
  bool redraw_held() const { return redraw_off != 0; }

  // As given to DialogEx.
  int x2, y2;
  std::string help_topic;
  far_host::DWORD flags;
  std::vector<far_host::FarDialogItem> items;
  std::vector<list_box> lists;  // one for each item; only list box items use theirs
  int redraw_off = 0;
  bool closed = false;
  int exit_code = -1;
  // The procedure's last answer to each message, for the answers the host acts on.
  std::map<int, far_host::LONG_PARAM> answers;

 protected:
  // A key, or a wheel turn, that the dialog procedure left to the host.
  virtual void default_key(far_host::key_code key);

 private:
  std::size_t list_index() const;
  far_host::LONG_PARAM notify(int msg, int param1, far_host::LONG_PARAM param2);
  bool close(int code);
  void move_focus(int step);
  bool focusable(int index) const;
  void set_list_pos(int index, int select, int top);

  dialog_host& host_;
  far_host::FARWINDOWPROC proc_;
};

}  // namespace host_core
