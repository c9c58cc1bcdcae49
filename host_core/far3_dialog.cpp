#include "host_core/far3_dialog.h"

#include <algorithm>
#include <cstdint>

#include "host_core/far3_keys.h"
#include "host_core/far3_table.h"
#include "host_core/host.h"
#include "host_core/unicode.h"

namespace host_core {

using namespace far3_host;

namespace {

constexpr unsigned short key_event = 0x1, mouse_event = 0x2;
constexpr unsigned ctrl_or_alt = 0x1 | 0x2 | 0x4 | 0x8;
constexpr unsigned shift_pressed = 0x10;

std::wstring copied(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }

}  // namespace

far3_dialog::far3_dialog(far3_table& table, const far3_dialog_request& request)
    : dialog_frame(table.owner(), request.x1, request.y1, request.x2, request.y2),
      id(request.id),
      help_topic(request.help_topic),
      flags(request.flags),
      param(request.param),
      table_(table),
      proc_(request.proc) {
  for (std::size_t i = 0; i < request.count; ++i) {
    far3_item item;
    item.record = request.items[i];
    note_reserved(item.record);
    item.text = copied(item.record.Data);
    // The list's lines are the plugin's until the dialog starts.
    if (item.record.Type == DI_LISTBOX) item.pending_list = item.record.ListItems;
    item.record.Data = item.record.History = item.record.Mask = nullptr;
    item.record.ListItems = nullptr;
    items.push_back(std::move(item));
  }
  for (std::size_t i = 0; i < items.size() && focus < 0; ++i)
    if ((items[i].record.Flags & DIF_FOCUS) && focusable(static_cast<int>(i)))
      focus = static_cast<int>(i);
  if (focus < 0) move_focus(1);
}

far3_item& far3_dialog::list() {
  for (auto& item : items)
    if (item.record.Type == DI_LISTBOX) return item;
  return items.at(0);
}

const far3_item& far3_dialog::list() const {
  for (const auto& item : items)
    if (item.record.Type == DI_LISTBOX) return item;
  return items.at(0);
}

std::vector<std::string> far3_dialog::line_texts() const {
  std::vector<std::string> texts;
  for (const auto& line : list().lines) texts.push_back(utf8_of(line.text));
  return texts;
}

std::string far3_dialog::text(int index) const { return utf8_of(items.at(index).text); }

// FAR 3's rules for a text item: centred (X1 = -1) clipped to the width - 10 (- 4 small),
// placed with X2 > X1 fitted to X1..X2, otherwise to the width - X1 - 5 (- 2 small).
std::string far3_dialog::shown_text(int index) const {
  const FarDialogItem& record = items.at(index).record;
  const bool small = flags & FDLG_SMALLDIALOG;
  std::intptr_t room = 0;
  if (record.X1 == -1)
    room = width - (small ? 4 : 10);
  else if (record.X2 > record.X1)
    room = record.X2 - record.X1 + 1;
  else
    room = width - record.X1 - (small ? 2 : 5);
  std::u16string units = utf16_of(std::wstring_view(items.at(index).text));
  units.resize(std::min(units.size(), static_cast<std::size_t>(std::max<std::intptr_t>(room, 0))));
  return utf8_of(std::u16string_view(units));
}

int far3_dialog::list_rows(int index) const {
  const FarDialogItem& record = items.at(index).record;
  const auto rows = record.Y2 - record.Y1 + 1 - ((record.Flags & DIF_LISTNOBOX) ? 0 : 2);
  return static_cast<int>(std::max<std::intptr_t>(1, rows));
}

bool far3_dialog::focusable(int index) const {
  const FarDialogItem& record = items[static_cast<std::size_t>(index)].record;
  if (record.Flags & (DIF_HIDDEN | DIF_NOFOCUS | DIF_DISABLE)) return false;
  return record.Type == DI_BUTTON || record.Type == DI_LISTBOX || record.Type == DI_EDIT ||
         record.Type == DI_CHECKBOX || record.Type == DI_RADIOBUTTON;
}

bool far3_dialog::focusable_line(const far3_item& item, std::size_t line) const {
  return !(item.lines.at(line).flags & (LIF_DISABLE | LIF_SEPARATOR | LIF_HIDDEN));
}

bool far3_dialog::is_list(std::intptr_t index) const {
  return index >= 0 && index < static_cast<std::intptr_t>(items.size()) &&
         items[static_cast<std::size_t>(index)].record.Type == DI_LISTBOX;
}

void far3_dialog::move_focus(int step) {
  dialog_frame::move_focus(step, static_cast<int>(items.size()),
                           [this](int index) { return focusable(index); });
}

std::intptr_t far3_dialog::default_answer(std::intptr_t msg, void* param2) {
  switch (msg) {
    case DN_CLOSE:
    case DN_INPUT:
    case DN_LISTCHANGE:
    case DN_DRAWDIALOG:
    case DN_DRAWDIALOGDONE: return 1;
    case DN_KILLFOCUS: return -1;
    case DN_HELP: return reinterpret_cast<std::intptr_t>(param2);
    default: return 0;
  }
}

std::intptr_t far3_dialog::notify(std::intptr_t msg, std::intptr_t param1, void* param2) {
  // Once a close is accepted the procedure hears nothing more.
  if (closed) return 0;
  notified.push_back(msg);
  return answers[msg] = proc_ ? proc_(this, msg, param1, param2) : default_answer(msg, param2);
}

bool far3_dialog::close(std::intptr_t code) {
  if (closed || !running) return false;
  if (!notify(DN_CLOSE, code, nullptr)) return false;
  closed = true;
  exit_code = code;
  return true;
}

void far3_dialog::load_lines(far3_item& item, const FarList& list) {
  item.lines.clear();
  for (std::size_t i = 0; list.Items && i < list.ItemsNumber; ++i) {
    if (list.Items[i].Reserved)
      table_.owner().reserved_not_zero.emplace_back("FarListItem Reserved");
    item.lines.push_back({copied(list.Items[i].Text), list.Items[i].Flags});
  }
  std::intptr_t cursor = 0;
  for (std::size_t i = 0; i < item.lines.size(); ++i)
    if (item.lines[i].flags & LIF_SELECTED) {
      cursor = static_cast<std::intptr_t>(i);
      break;
    }
  item.pos.TopPos = 0;
  place_cursor(static_cast<int>(&item - items.data()), cursor, 0, 1);
}

void far3_dialog::place_cursor(int index, std::intptr_t select, std::intptr_t top, int direction) {
  far3_item& item = items[static_cast<std::size_t>(index)];
  const auto count = static_cast<std::intptr_t>(item.lines.size());
  if (count == 0) {
    item.pos.SelectPos = item.pos.TopPos = 0;
    return;
  }
  select = std::clamp<std::intptr_t>(select, 0, count - 1);
  auto usable = [&](std::intptr_t at) {
    return at >= 0 && at < count && focusable_line(item, static_cast<std::size_t>(at));
  };
  std::intptr_t found = -1;
  for (std::intptr_t at = select; found < 0 && at >= 0 && at < count; at += direction)
    if (usable(at)) found = at;
  for (std::intptr_t at = select; found < 0 && at >= 0 && at < count; at -= direction)
    if (usable(at)) found = at;
  item.pos.SelectPos = found < 0 ? select : found;
  const int rows = list_rows(index);
  if (top >= 0) item.pos.TopPos = top;
  item.pos.TopPos =
      std::clamp<std::intptr_t>(item.pos.TopPos, 0, std::max<std::intptr_t>(0, count - rows));
  if (item.pos.SelectPos < item.pos.TopPos) item.pos.TopPos = item.pos.SelectPos;
  if (item.pos.SelectPos >= item.pos.TopPos + rows) item.pos.TopPos = item.pos.SelectPos - rows + 1;
}

void far3_dialog::user_move(int index, std::intptr_t select, int direction) {
  far3_item& item = items[static_cast<std::size_t>(index)];
  const FarListPos was = item.pos;
  place_cursor(index, select, -1, direction);
  if (item.pos.SelectPos == was.SelectPos) return;
  const FarListPos moved = item.pos;
  item.pos = was;
  if (!notify(DN_LISTCHANGE, index, reinterpret_cast<void*>(moved.SelectPos))) return;
  item.pos = moved;
  draw_self();
}

// A later host may read what this one leaves alone.
void far3_dialog::note_reserved(const FarDialogItem& record) {
  if (record.Reserved[0] || record.Reserved[1])
    table_.owner().reserved_not_zero.emplace_back("FarDialogItem Reserved");
}

void far3_dialog::draw_self() {
  if (!initialised || redraw_counter != 0) return;
  overdrawn = false;
  ++draws;
}

std::intptr_t far3_dialog::run() {
  running = true;
  table_.dialog_started(*this);
  for (far3_item& item : items) {
    if (!item.pending_list) continue;
    const FarList* pending = item.pending_list;
    item.pending_list = nullptr;
    load_lines(item, *pending);
  }
  initialising = true;
  notify(DN_INITDIALOG, focus, param);
  initialising = false;
  initialised = true;
  if (!closed) {
    notify(DN_GOTFOCUS, focus, nullptr);
    table_.draw_all();
  }
  while (!closed) {
    table_.dialog_waits(*this);
    if (closed) break;
    const event next = table_.owner().next_event();
    switch (next.kind) {
      case event::quit:
        // The console is going away: the dialog closes as on a console close.
        notify(DN_CLOSE, -1, nullptr);
        closed = true;
        exit_code = -1;
        break;
      case event::idle: table_.idle(); break;
      case event::input: take(record_of(next.record)); break;
      default: break;
    }
  }
  // Notices queued before the close still come before DialogRun returns.
  table_.deliver_notices();
  running = false;
  table_.dialog_ended(*this);
  return exit_code;
}

// FAR reads the record and makes its key first; DN_INPUT then gets the record as it came, and
// DN_CONTROLINPUT the key's, a wheel's turned to the whole notches its sum came to.
void far3_dialog::take(const INPUT_RECORD& record) {
  INPUT_RECORD made = record;
  const bool wheel =
      record.EventType == mouse_event && (record.Event.MouseEvent.dwEventFlags & 0xC);
  const bool whole_turn = !wheel || add_turn(made);
  INPUT_RECORD copy = record;
  if (input_notify && !notify(DN_INPUT, 0, &copy)) {
    table_.makes_key(record);
    return;
  }
  if (!table_.makes_key(record) || !whole_turn || closed) return;
  if (record.EventType == mouse_event && !wheel) {
    click(record.Event.MouseEvent);
    return;
  }
  copy = made;
  if (!notify(DN_CONTROLINPUT, focus, &copy)) default_input(made);
}

bool far3_dialog::add_turn(INPUT_RECORD& record) {
  constexpr int notch = 120;
  auto& mouse = record.Event.MouseEvent;
  int& sum = (mouse.dwEventFlags & mouse_hwheeled) ? hwheel_sum_ : wheel_sum_;
  sum += static_cast<std::int16_t>(mouse.dwButtonState >> 16);
  // Turns either way add up to one signed sum; a whole notch of it is a key, and the rest
  // waits for the next turn.
  const int turn = sum / notch * notch;
  if (!turn) return false;
  sum -= turn;
  mouse.dwButtonState = (mouse.dwButtonState & 0xFFFFu) |
                        static_cast<std::uint32_t>(static_cast<std::uint16_t>(turn)) << 16;
  return true;
}

int far3_dialog::item_at(int column, int row) const {
  for (std::size_t i = items.size(); i-- > 0;) {
    const FarDialogItem& record = items[i].record;
    if (record.Type == DI_DOUBLEBOX || record.Type == DI_SINGLEBOX) continue;
    if (column >= x + record.X1 && column <= x + record.X2 && row >= y + record.Y1 &&
        row <= y + record.Y2)
      return static_cast<int>(i);
  }
  return -1;
}

// A click in a list goes to the list itself unless it tracks the mouse; elsewhere it goes to
// the procedure first.
void far3_dialog::click(const MOUSE_EVENT_RECORD& mouse) {
  if (!(mouse.dwButtonState & 0x3) || (mouse.dwEventFlags & 0x1)) return;
  const int under = item_at(mouse.dwMousePosition.X, mouse.dwMousePosition.Y);
  const bool tracked = under >= 0 && (items[static_cast<std::size_t>(under)].record.Flags &
                                      (DIF_LISTTRACKMOUSE | DIF_LISTTRACKMOUSEINFOCUS));
  if (!is_list(under) || tracked) {
    INPUT_RECORD copy{};
    copy.EventType = mouse_event;
    copy.Event.MouseEvent = mouse;
    notify(DN_CONTROLINPUT, under, &copy);
    return;
  }
  far3_item& box = items[static_cast<std::size_t>(under)];
  const FarDialogItem& record = box.record;
  const int first_row = y + static_cast<int>(record.Y1) + ((record.Flags & DIF_LISTNOBOX) ? 0 : 1);
  const std::intptr_t line = box.pos.TopPos + (mouse.dwMousePosition.Y - first_row);
  if (line >= 0 && line < static_cast<std::intptr_t>(box.lines.size()))
    user_move(under, line, line >= box.pos.SelectPos ? 1 : -1);
  if ((mouse.dwEventFlags & 0x2) && !(record.Flags & DIF_LISTNOCLOSE)) close(under);
}

void far3_dialog::default_input(const INPUT_RECORD& record) {
  const bool on_list = is_list(focus);
  if (record.EventType == mouse_event) {
    const auto& mouse = record.Event.MouseEvent;
    if (!on_list || !(mouse.dwEventFlags & 0x4)) return;
    // One line, cursor and top, per notch.
    const bool away = static_cast<std::int16_t>(mouse.dwButtonState >> 16) > 0;
    far3_item& box = items[static_cast<std::size_t>(focus)];
    user_move(focus, box.pos.SelectPos + (away ? -1 : 1), away ? -1 : 1);
    return;
  }
  if (record.EventType != key_event) return;
  const auto& key = record.Event.KeyEvent;
  const unsigned held = key.dwControlKeyState;
  switch (key.wVirtualKeyCode) {
    case 0x1B:
    case 0x79: close(-1); return;
    case 0x0D: {
      if (on_list && (items[static_cast<std::size_t>(focus)].record.Flags & DIF_LISTNOCLOSE))
        return;
      std::intptr_t chosen = focus;
      if (!(focus >= 0 && items[static_cast<std::size_t>(focus)].record.Type == DI_BUTTON))
        for (std::size_t i = 0; i < items.size(); ++i)
          if (items[i].record.Flags & DIF_DEFAULTBUTTON) {
            chosen = static_cast<std::intptr_t>(i);
            break;
          }
      close(chosen);
      return;
    }
    case 0x70: {
      std::wstring topic = wide_of(help_topic);
      const auto answer = notify(DN_HELP, focus, topic.data());
      if (answer) table_.owner().show_help(utf8_of(reinterpret_cast<const wchar_t*>(answer)));
      return;
    }
    case 0x09: move_focus(held & shift_pressed ? -1 : 1); return;
    default: break;
  }
  if (!on_list || (held & ctrl_or_alt)) return;
  far3_item& box = items[static_cast<std::size_t>(focus)];
  const std::intptr_t select = box.pos.SelectPos;
  const auto last = static_cast<std::intptr_t>(box.lines.size()) - 1;
  const int rows = list_rows(focus);
  const bool wraps = box.record.Flags & DIF_LISTWRAPMODE;
  switch (key.wVirtualKeyCode) {
    case 0x26: user_move(focus, wraps && select == 0 ? last : select - 1, -1); break;
    case 0x28: user_move(focus, wraps && select == last ? 0 : select + 1, 1); break;
    case 0x21: user_move(focus, select - rows, -1); break;
    case 0x22: user_move(focus, select + rows, 1); break;
    case 0x24: user_move(focus, 0, 1); break;
    case 0x23: user_move(focus, last, -1); break;
    default: break;
  }
}

std::intptr_t far3_dialog::message(std::intptr_t msg, std::intptr_t param1, void* param2) {
  const bool item_id = param1 >= 0 && param1 < static_cast<std::intptr_t>(items.size());
  switch (msg) {
    case DM_CLOSE: return close(param1 == -1 ? focus : param1) ? 1 : 0;
    case DM_ENABLEREDRAW: {
      const int was = redraw_counter;
      if (param1 == 0) {
        --redraw_counter;
      } else if (param1 == 1) {
        if (redraw_counter < 0) ++redraw_counter;
        // Leaving the bracket redraws from the panels up.
        if (was < 0 && redraw_counter == 0 && initialised) table_.draw_all();
      }
      return was;
    }
    case DM_GETDLGDATA: return reinterpret_cast<std::intptr_t>(param);
    case DM_REDRAW:
      if (initialised && redraw_counter == 0) table_.draw_all();
      return 0;
    case DM_SETDLGITEM: {
      if (!item_id || !param2) return 0;
      const auto& given = *static_cast<const FarDialogItem*>(param2);
      far3_item& item = items[static_cast<std::size_t>(param1)];
      if (given.Type != item.record.Type) return 0;
      note_reserved(given);
      item.text = copied(given.Data);
      // A list box keeps its lines: only its place and flags change.
      item.record = given;
      item.record.Data = item.record.History = item.record.Mask = nullptr;
      item.record.ListItems = nullptr;
      draw_self();
      return 1;
    }
    case DM_RESIZEDIALOG: {
      if (!param2) return 0;
      auto& size = *static_cast<COORD*>(param2);
      const far_host::COORD screen = table_.owner().screen_size();
      width = std::clamp<int>(size.X, 1, screen.X);
      height = std::clamp<int>(size.Y, 1, screen.Y);
      size.X = static_cast<short>(width);
      size.Y = static_cast<short>(height);
      draw_self();
      return 1;
    }
    case DM_MOVEDIALOG: {
      if (!param2) return 0;
      auto& to = *static_cast<COORD*>(param2);
      if (param1 > 0 && to.X == -1 && to.Y == -1) {
        centre();
      } else if (param1 > 0) {
        centred = false;
        x = to.X;
        y = to.Y;
      } else {
        centred = false;
        x += to.X;
        y += to.Y;
      }
      to.X = static_cast<short>(x);
      to.Y = static_cast<short>(y);
      draw_self();
      return 1;
    }
    case DM_LISTGETCURPOS: {
      if (!is_list(param1) || !param2) return 0;
      auto& pos = *static_cast<FarListPos*>(param2);
      const FarListPos& held = items[static_cast<std::size_t>(param1)].pos;
      pos.SelectPos = held.SelectPos;
      pos.TopPos = held.TopPos;
      return held.SelectPos;
    }
    case DM_LISTSETCURPOS: {
      if (!is_list(param1) || !param2) return 0;
      const auto& wanted = *static_cast<const FarListPos*>(param2);
      far3_item& item = items[static_cast<std::size_t>(param1)];
      const std::intptr_t before = item.pos.SelectPos;
      const int direction = wanted.SelectPos >= before ? 1 : -1;
      place_cursor(static_cast<int>(param1), wanted.SelectPos, wanted.TopPos, direction);
      if (item.pos.SelectPos != before) {
        // One from the list object once the dialog is up, one from the dialog.
        if (initialised) notify(DN_LISTCHANGE, param1, reinterpret_cast<void*>(item.pos.SelectPos));
        notify(DN_LISTCHANGE, param1, reinterpret_cast<void*>(item.pos.SelectPos));
      }
      draw_self();
      return item.pos.SelectPos;
    }
    case DM_LISTSET: {
      if (!is_list(param1) || !param2) return 0;
      const auto& lines = *static_cast<const FarList*>(param2);
      if (lines.StructSize < sizeof(FarList)) return 0;
      far3_item& item = items[static_cast<std::size_t>(param1)];
      load_lines(item, lines);
      if (initialised && !item.lines.empty() && !(item.lines[0].flags & LIF_SELECTED))
        notify(DN_LISTCHANGE, param1, nullptr);
      draw_self();
      return static_cast<std::intptr_t>(item.lines.size());
    }
    case DM_SETINPUTNOTIFY: {
      const bool was = input_notify;
      if (param1 == 0 || param1 == 1) input_notify = param1 == 1;
      return was ? 1 : 0;
    }
    case DM_GETDIALOGINFO: {
      if (!param2) return 0;
      auto& info = *static_cast<DialogInfo*>(param2);
      if (info.StructSize < sizeof(DialogInfo)) return 0;
      info.Id = id;
      info.Owner = table_.plugin_guid;
      return 1;
    }
    default:
      if (msg >= DM_USER) return notify(msg, param1, param2);
      return 0;
  }
}

}  // namespace host_core
