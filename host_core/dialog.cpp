#include "host_core/dialog.h"

#include <algorithm>

#include "host/far3_api.h"
#include "host/windows_api.h"

namespace host_core {

using namespace far_host;

namespace {

// The console's record of a wheel turn at a place on the screen, as FAR 3 hands it on.
MOUSE_EVENT_RECORD wheel_record(key_code wheel, int x, int y) {
  MOUSE_EVENT_RECORD record{};
  record.dwMousePosition.X = static_cast<SHORT>(x);
  record.dwMousePosition.Y = static_cast<SHORT>(y);
  const bool up = (wheel & ~(KEY_CTRL | KEY_ALT | KEY_SHIFT)) == KEY_MSWHEEL_UP;
  record.dwButtonState = static_cast<::DWORD>(static_cast<WORD>(up ? 120 : -120)) << 16;
  if (wheel & KEY_CTRL) record.dwControlKeyState |= LEFT_CTRL_PRESSED;
  if (wheel & KEY_ALT) record.dwControlKeyState |= LEFT_ALT_PRESSED;
  if (wheel & KEY_SHIFT) record.dwControlKeyState |= SHIFT_PRESSED;
  record.dwEventFlags = MOUSE_WHEELED;
  return record;
}

}  // namespace

host_ways far175_ways() {
  host_ways ways;
  ways.version = (2634 << 16) | (1 << 8) | 75;
  ways.panels_drawn_under_dialogs = false;
  return ways;
}

host_ways far3_ways() {
  host_ways ways;
  ways.version = (6727 << 16) | (3 << 8);
  ways.idle_notices = false;
  ways.wheel_as_mouse = true;
  ways.clips_centred_text = true;
  return ways;
}

// FAR 3 kept the numbers of the messages it took over, so one name serves both APIs.
static_assert(DM_CLOSE == far3_host::DM_CLOSE && DM_ENABLEREDRAW == far3_host::DM_ENABLEREDRAW &&
              DM_MOVEDIALOG == far3_host::DM_MOVEDIALOG &&
              DM_SETDLGITEM == far3_host::DM_SETDLGITEM && DM_REDRAW == far3_host::DM_REDRAW &&
              DM_LISTGETCURPOS == far3_host::DM_LISTGETCURPOS &&
              DM_LISTSETCURPOS == far3_host::DM_LISTSETCURPOS &&
              DM_RESIZEDIALOG == far3_host::DM_RESIZEDIALOG && DM_LISTSET == far3_host::DM_LISTSET);

const char* shared_dialog_message_name(std::intptr_t msg) {
  switch (msg) {
    case DM_CLOSE: return "DM_CLOSE";
    case DM_ENABLEREDRAW: return "DM_ENABLEREDRAW";
    case DM_MOVEDIALOG: return "DM_MOVEDIALOG";
    case DM_SETDLGITEM: return "DM_SETDLGITEM";
    case DM_REDRAW: return "DM_REDRAW";
    case DM_LISTGETCURPOS: return "DM_LISTGETCURPOS";
    case DM_LISTSETCURPOS: return "DM_LISTSETCURPOS";
    case DM_RESIZEDIALOG: return "DM_RESIZEDIALOG";
    case DM_LISTSET: return "DM_LISTSET";
    default: return nullptr;
  }
}

dialog_frame::dialog_frame(const dialog_host& host, std::intptr_t x1, std::intptr_t y1,
                           std::intptr_t x2, std::intptr_t y2)
    : host_(host) {
  if (x1 == -1 && y1 == -1) {
    width = static_cast<int>(x2);
    height = static_cast<int>(y2);
    centre();
  } else {
    x = static_cast<int>(x1);
    y = static_cast<int>(y1);
    width = static_cast<int>(x2 - x1 + 1);
    height = static_cast<int>(y2 - y1 + 1);
  }
}

void dialog_frame::centre() {
  centred = true;
  const far_host::COORD screen = host_.screen_size();
  x = (screen.X - width) / 2;
  y = (screen.Y - height) / 2;
}

void dialog_frame::move_focus(int step, int count, const std::function<bool(int)>& focusable) {
  int at = focus >= 0 ? focus : (step > 0 ? count - 1 : 0);
  for (int i = 0; i < count; ++i) {
    at = (at + step + count) % count;
    if (focusable(at)) {
      focus = at;
      return;
    }
  }
}

dialog::dialog(dialog_host& host, const dialog_request& request)
    : dialog_frame(host, request.x1, request.y1, request.x2, request.y2),
      x2(request.x2),
      y2(request.y2),
      help_topic(request.help_topic),
      flags(request.flags),
      items(request.items, request.items + std::max(request.count, 0)),
      lists(items.size()),
      host_(host),
      proc_(request.proc) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    const FarDialogItem& item = items[i];
    if (item.Type == DI_LISTBOX && item.ListItems && item.ListItems->Items)
      lists[i].lines.assign(item.ListItems->Items,
                            item.ListItems->Items + std::max(item.ListItems->ItemsNumber, 0));
    if (focus < 0 && item.Focus && focusable(static_cast<int>(i))) focus = static_cast<int>(i);
  }
  if (focus < 0) move_focus(1);
}

std::size_t dialog::list_index() const {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].Type == DI_LISTBOX) return i;
  return 0;
}

dialog::list_box& dialog::list() { return lists.at(list_index()); }

const dialog::list_box& dialog::list() const { return lists.at(list_index()); }

std::vector<std::string> dialog::line_texts() const {
  std::vector<std::string> texts;
  for (const auto& line : list().lines) texts.emplace_back(line.Text);
  return texts;
}

std::string dialog::shown_text(int index) const {
  const FarDialogItem& item = items[index];
  std::string text = item.Data;
  if (!host_.ways.clips_centred_text) return text;
  const int room = item.X1 == -1 ? width - 10 : item.X2 - item.X1 + 1;
  text.resize(std::min(text.size(), static_cast<std::size_t>(std::max(room, 0))));
  return text;
}

int dialog::list_rows(int index) const {
  const FarDialogItem& item = items[index];
  return std::max(1, item.Y2 - item.Y1 + 1 - ((item.Flags & DIF_LISTNOBOX) ? 0 : 2));
}

void dialog::screen_resized() {
  if (centred) centre();
}

bool dialog::focusable(int index) const {
  const FarDialogItem& item = items[index];
  if (item.Flags & (DIF_HIDDEN | DIF_NOFOCUS)) return false;
  return item.Type == DI_BUTTON || item.Type == DI_LISTBOX;
}

void dialog::move_focus(int step) {
  dialog_frame::move_focus(step, static_cast<int>(items.size()),
                           [this](int index) { return focusable(index); });
}

LONG_PARAM dialog::default_proc(int msg, int, LONG_PARAM) {
  return msg == DN_CLOSE || msg == DN_MOUSEEVENT ? 1 : 0;
}

LONG_PARAM dialog::notify(int msg, int param1, LONG_PARAM param2) {
  return answers[msg] =
             proc_ ? proc_(this, msg, param1, param2) : default_proc(msg, param1, param2);
}

bool dialog::close(int code) {
  if (!notify(DN_CLOSE, code, 0)) return false;
  closed = true;
  exit_code = code;
  return true;
}

int dialog::run(LONG_PARAM param) {
  notify(DN_INITDIALOG, 0, param);
  while (!closed) {
    const event next = host_.next_event();
    if (next.kind == event::none || next.kind == event::input) continue;
    if (next.kind == event::quit) {
      // The host is going away: the dialog closes as on a console close, whatever it answers.
      notify(DN_CLOSE, -1, 0);
      closed = true;
      exit_code = -1;
    } else if (next.kind == event::idle) {
      if (host_.ways.idle_notices) notify(DN_ENTERIDLE, 0, 0);
    } else if (next.kind == event::wheel && host_.ways.wheel_as_mouse) {
      MOUSE_EVENT_RECORD record = wheel_record(next.code, x + width / 2, y + height / 2);
      if (!notify(DN_MOUSECLICK, std::max(focus, 0), reinterpret_cast<LONG_PARAM>(&record)))
        default_key(next.code);
    } else if (!notify(DN_KEY, std::max(focus, 0), static_cast<LONG_PARAM>(next.code))) {
      default_key(next.code);
    }
  }
  return exit_code;
}

void dialog::default_key(key_code key) {
  const bool on_list = focus >= 0 && items[focus].Type == DI_LISTBOX;
  if (key == KEY_ESC || key == KEY_F10) {
    close(-1);
  } else if (key == KEY_ENTER) {
    int chosen = focus;
    if (!(focus >= 0 && items[focus].Type == DI_BUTTON))
      for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].DefaultButton) {
          chosen = static_cast<int>(i);
          break;
        }
    close(chosen);
  } else if (key == KEY_F1) {
    if (!help_topic.empty()) host_.show_help(help_topic);
  } else if (key == KEY_TAB || key == (KEY_SHIFT | KEY_TAB)) {
    move_focus(key == KEY_TAB ? 1 : -1);
  } else if (on_list) {
    const int rows = list_rows(focus);
    const int count = static_cast<int>(lists[focus].lines.size());
    int select = lists[focus].pos.SelectPos;
    if (key == KEY_UP) --select;
    if (key == KEY_DOWN) ++select;
    if (key == KEY_PGUP) select -= rows;
    if (key == KEY_PGDN) select += rows;
    if (key == KEY_HOME) select = 0;
    if (key == KEY_END) select = count - 1;
    set_list_pos(focus, select, -1);
  }
}

void dialog::set_list_pos(int index, int select, int top) {
  list_box& box = lists[index];
  const int count = static_cast<int>(box.lines.size());
  const int rows = list_rows(index);
  box.pos.SelectPos = std::clamp(select, 0, std::max(0, count - 1));
  if (top >= 0) box.pos.TopPos = top;
  box.pos.TopPos = std::clamp(box.pos.TopPos, 0, std::max(0, count - rows));
  if (box.pos.SelectPos < box.pos.TopPos) box.pos.TopPos = box.pos.SelectPos;
  if (box.pos.SelectPos >= box.pos.TopPos + rows) box.pos.TopPos = box.pos.SelectPos - rows + 1;
}

LONG_PARAM dialog::message(int msg, int param1, LONG_PARAM param2) {
  const bool item_id = param1 >= 0 && param1 < static_cast<int>(items.size());
  const bool with_record = msg == DM_SETDLGITEM || msg == DM_RESIZEDIALOG || msg == DM_MOVEDIALOG ||
                           msg == DM_LISTSET || msg == DM_LISTGETCURPOS || msg == DM_LISTSETCURPOS;
  if (with_record && !param2) return 0;
  switch (msg) {
    case DM_CLOSE: return close(param1) ? 1 : 0;
    case DM_ENABLEREDRAW: {
      // Calls nest as the host counts them; -1 only asks. The answer is the state before.
      const LONG_PARAM was_on = redraw_off == 0;
      if (param1 == 0) ++redraw_off;
      if (param1 == 1 && --redraw_off == 0) host_.redraw();
      return was_on;
    }
    case DM_REDRAW: host_.redraw(); return 1;
    case DM_SETDLGITEM:
      if (!item_id) return 0;
      items[param1] = *reinterpret_cast<const FarDialogItem*>(param2);
      return 1;
    case DM_RESIZEDIALOG: {
      const auto& size = *reinterpret_cast<const far_host::COORD*>(param2);
      width = size.X;
      height = size.Y;
      return 1;
    }
    case DM_MOVEDIALOG: {
      const auto& to = *reinterpret_cast<const far_host::COORD*>(param2);
      if (param1 && to.X == -1 && to.Y == -1) {
        centre();
        return 1;
      }
      centred = false;
      if (param1) {
        // -1 centres on that axis.
        const far_host::COORD screen = host_.screen_size();
        x = to.X == -1 ? (screen.X - width) / 2 : to.X;
        y = to.Y == -1 ? (screen.Y - height) / 2 : to.Y;
      } else {
        x += to.X;
        y += to.Y;
      }
      return 1;
    }
    case DM_LISTSET: {
      if (!item_id || items[param1].Type != DI_LISTBOX) return 0;
      const auto& lines = *reinterpret_cast<const FarList*>(param2);
      lists[param1].lines.assign(lines.Items, lines.Items + std::max(lines.ItemsNumber, 0));
      set_list_pos(param1, lists[param1].pos.SelectPos, -1);
      return 1;
    }
    case DM_LISTGETCURPOS:
      if (!item_id) return 0;
      *reinterpret_cast<FarListPos*>(param2) = lists[param1].pos;
      return lists[param1].pos.SelectPos;
    case DM_LISTSETCURPOS: {
      if (!item_id) return 0;
      const auto& pos = *reinterpret_cast<const FarListPos*>(param2);
      set_list_pos(param1, pos.SelectPos, pos.TopPos);
      return lists[param1].pos.SelectPos;
    }
    case DM_LISTSETMOUSEREACTION: {
      if (!item_id) return 0;
      const LONG_PARAM old = lists[param1].mouse_reaction;
      lists[param1].mouse_reaction = param2;
      return old;
    }
    default: return 0;
  }
}

}  // namespace host_core
