#include "dialogs/dialog_window.h"

#include <algorithm>

#include "app/host_app.h"

namespace try_host {

using namespace far_host;

dialog_window::dialog_window(host_app& host, int x1, int y1, int x2, int y2,
                             const std::string& help_topic, const FarDialogItem* items, int count,
                             far_host::DWORD flags, FARWINDOWPROC proc)
    : host_(host),
      help_topic_(help_topic),
      items_(items, items + std::max(count, 0)),
      lists_(items_.size()),
      flags_(flags),
      proc_(proc) {
  if (x1 == -1 && y1 == -1) {
    width_ = x2;
    height_ = y2;
    centre();
  } else {
    x_ = x1;
    y_ = y1;
    width_ = x2 - x1 + 1;
    height_ = y2 - y1 + 1;
  }
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const FarDialogItem& item = items_[i];
    if (item.Type == DI_LISTBOX && item.ListItems && item.ListItems->Items)
      lists_[i].lines.assign(item.ListItems->Items,
                             item.ListItems->Items + std::max(item.ListItems->ItemsNumber, 0));
    if (focus_ < 0 && item.Focus && focusable(static_cast<int>(i))) focus_ = static_cast<int>(i);
  }
  if (focus_ < 0) move_focus(1);
}

void dialog_window::centre() {
  x_ = (host_.width() - width_) / 2;
  y_ = (host_.height() - height_) / 2;
}

bool dialog_window::focusable(int index) const {
  const FarDialogItem& item = items_[index];
  if (item.Flags & (DIF_HIDDEN | DIF_NOFOCUS)) return false;
  return item.Type == DI_BUTTON || item.Type == DI_LISTBOX;
}

void dialog_window::move_focus(int step) {
  const int count = static_cast<int>(items_.size());
  int at = focus_ >= 0 ? focus_ : (step > 0 ? count - 1 : 0);
  for (int i = 0; i < count; ++i) {
    at = (at + step + count) % count;
    if (focusable(at)) {
      focus_ = at;
      return;
    }
  }
}

LONG_PARAM dialog_window::notify(int msg, int param1, LONG_PARAM param2) {
  return proc_ ? proc_(this, msg, param1, param2) : host_.def_dlg_proc(this, msg, param1, param2);
}

bool dialog_window::close(int code) {
  if (!notify(DN_CLOSE, code, 0)) return false;
  closed_ = true;
  exit_code_ = code;
  return true;
}

int dialog_window::run(LONG_PARAM param) {
  notify(DN_INITDIALOG, 0, param);
  while (!closed_) {
    const event next = host_.next_event();
    if (next.kind == event::quit) {
      // The host is going away: the dialog closes as on a console close, whatever it answers.
      notify(DN_CLOSE, -1, 0);
      closed_ = true;
      exit_code_ = -1;
    } else if (next.kind == event::idle) {
      notify(DN_ENTERIDLE, 0, 0);
    } else if (!notify(DN_KEY, std::max(focus_, 0), static_cast<LONG_PARAM>(next.code))) {
      default_key(next.code);
    }
  }
  return exit_code_;
}

void dialog_window::default_key(key_code key) {
  const bool on_list = focus_ >= 0 && items_[focus_].Type == DI_LISTBOX;
  if (key == KEY_ESC || key == KEY_F10) {
    close(-1);
  } else if (key == KEY_ENTER) {
    int chosen = focus_;
    if (!(focus_ >= 0 && items_[focus_].Type == DI_BUTTON))
      for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].DefaultButton) {
          chosen = static_cast<int>(i);
          break;
        }
    close(chosen);
  } else if (key == KEY_F1) {
    if (!help_topic_.empty()) host_.show_help(help_topic_);
  } else if (key == KEY_TAB || key == (KEY_SHIFT | KEY_TAB)) {
    move_focus(key == KEY_TAB ? 1 : -1);
  } else if (on_list) {
    const FarListPos& pos = lists_[focus_].pos;
    const int rows = items_[focus_].Y2 - items_[focus_].Y1 + 1;
    const int count = static_cast<int>(lists_[focus_].lines.size());
    int select = pos.SelectPos;
    if (key == KEY_UP) --select;
    if (key == KEY_DOWN) ++select;
    if (key == KEY_PGUP) select -= rows;
    if (key == KEY_PGDN) select += rows;
    if (key == KEY_HOME) select = 0;
    if (key == KEY_END) select = count - 1;
    set_list_pos(focus_, select, -1);
  }
}

void dialog_window::set_list_pos(int index, int select, int top) {
  list_state& list = lists_[index];
  const int count = static_cast<int>(list.lines.size());
  const FarDialogItem& item = items_[index];
  const int rows = std::max(1, item.Y2 - item.Y1 + 1 - ((item.Flags & DIF_LISTNOBOX) ? 0 : 2));
  list.pos.SelectPos = std::clamp(select, 0, std::max(0, count - 1));
  if (top >= 0) list.pos.TopPos = top;
  list.pos.TopPos = std::clamp(list.pos.TopPos, 0, std::max(0, count - rows));
  if (list.pos.SelectPos < list.pos.TopPos) list.pos.TopPos = list.pos.SelectPos;
  if (list.pos.SelectPos >= list.pos.TopPos + rows) list.pos.TopPos = list.pos.SelectPos - rows + 1;
}

LONG_PARAM dialog_window::message(int msg, int param1, LONG_PARAM param2) {
  const bool item_id = param1 >= 0 && param1 < static_cast<int>(items_.size());
  const bool with_record = msg == DM_SETDLGITEM || msg == DM_RESIZEDIALOG || msg == DM_MOVEDIALOG ||
                           msg == DM_LISTSET || msg == DM_LISTGETCURPOS || msg == DM_LISTSETCURPOS;
  if (with_record && !param2) return 0;
  switch (msg) {
    case DM_CLOSE: return close(param1) ? 1 : 0;
    case DM_ENABLEREDRAW: {
      const LONG_PARAM was_on = redraw_off_ == 0;
      if (param1 == 0) ++redraw_off_;
      if (param1 == 1 && redraw_off_ > 0 && --redraw_off_ == 0) host_.redraw();
      return was_on;
    }
    case DM_REDRAW: host_.redraw(); return 1;
    case DM_SETDLGITEM:
      if (!item_id) return 0;
      items_[param1] = *reinterpret_cast<const FarDialogItem*>(param2);
      return 1;
    case DM_RESIZEDIALOG: {
      const auto& size = *reinterpret_cast<const far_host::COORD*>(param2);
      width_ = size.X;
      height_ = size.Y;
      return 1;
    }
    case DM_MOVEDIALOG: {
      const auto& to = *reinterpret_cast<const far_host::COORD*>(param2);
      if (param1) {
        x_ = to.X == -1 ? (host_.width() - width_) / 2 : to.X;
        y_ = to.Y == -1 ? (host_.height() - height_) / 2 : to.Y;
      } else {
        x_ += to.X;
        y_ += to.Y;
      }
      return 1;
    }
    case DM_LISTSET: {
      if (!item_id || items_[param1].Type != DI_LISTBOX) return 0;
      const auto& list = *reinterpret_cast<const FarList*>(param2);
      lists_[param1].lines.assign(list.Items, list.Items + std::max(list.ItemsNumber, 0));
      set_list_pos(param1, lists_[param1].pos.SelectPos, -1);
      return 1;
    }
    case DM_LISTGETCURPOS:
      if (!item_id) return 0;
      *reinterpret_cast<FarListPos*>(param2) = lists_[param1].pos;
      return lists_[param1].pos.SelectPos;
    case DM_LISTSETCURPOS: {
      if (!item_id) return 0;
      const auto& pos = *reinterpret_cast<const FarListPos*>(param2);
      set_list_pos(param1, pos.SelectPos, pos.TopPos);
      return lists_[param1].pos.SelectPos;
    }
    case DM_LISTSETMOUSEREACTION: {
      if (!item_id) return 0;
      const LONG_PARAM old = lists_[param1].mouse_reaction;
      lists_[param1].mouse_reaction = param2;
      return old;
    }
    default: return 0;
  }
}

}  // namespace try_host
