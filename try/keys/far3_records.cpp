#include "keys/far3_records.h"

#include "host_core/far3_keys.h"

namespace try_host {

using namespace far_host;

namespace {

constexpr unsigned short key_event = 0x1;
constexpr unsigned shift_pressed = 0x10;

std::optional<std::string> base_name(key_code base) {
  switch (base) {
    case KEY_ENTER: return "Enter";
    case KEY_ESC: return "Esc";
    case KEY_TAB: return "Tab";
    case 0x08: return "BS";
    case KEY_SPACE: return "Space";
    case KEY_INS: return "Ins";
    case KEY_DEL: return "Del";
    case KEY_HOME: return "Home";
    case KEY_END: return "End";
    case KEY_PGUP: return "PgUp";
    case KEY_PGDN: return "PgDn";
    case KEY_UP: return "Up";
    case KEY_DOWN: return "Down";
    case KEY_LEFT: return "Left";
    case KEY_RIGHT: return "Right";
    case KEY_NUMDEL: return "NumDel";
    // FAR 1.7x's Ctrl~ is the key under Esc, which FAR 3 names by its unshifted character.
    case KEY_TILDE:
    case KEY_BACKQUOTE: return "`";
    default: break;
  }
  if (base >= KEY_F1 && base < KEY_F1 + 12) return "F" + std::to_string(base - KEY_F1 + 1);
  if (base >= KEY_NUMPAD0 && base <= KEY_NUMPAD0 + 9)
    return base == KEY_NUMPAD0 + 5 ? "Clear" : "Num" + std::to_string(base - KEY_NUMPAD0);
  if (base > 0x20 && base < 0x7F) return std::string(1, static_cast<char>(base));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> far3_key_name(key_code code) {
  const key_code base = code & ~(KEY_CTRL | KEY_ALT | KEY_SHIFT);
  auto name = base_name(base);
  if (!name) return std::nullopt;
  std::string modifiers;
  if (code & KEY_CTRL) modifiers += "Ctrl";
  if (code & KEY_ALT) modifiers += "Alt";
  // A capital typed alone is the letter's key with Shift.
  if ((code & KEY_SHIFT) || (modifiers.empty() && base >= 'A' && base <= 'Z')) modifiers += "Shift";
  return modifiers + *name;
}

std::optional<std::pair<far3_host::INPUT_RECORD, far3_host::INPUT_RECORD>> far3_key_records(
    key_code code) {
  const auto name = far3_key_name(code);
  if (!name) return std::nullopt;
  std::optional<far3_host::INPUT_RECORD> press = host_core::typed_record(*name);
  const key_code base = code & ~(KEY_CTRL | KEY_ALT | KEY_SHIFT);
  if (!press && base > 0x20 && base < 0x7F && !(code & (KEY_CTRL | KEY_ALT))) {
    // Another printable character: the character alone, as a layout without its key gives it.
    far3_host::INPUT_RECORD made{};
    made.EventType = key_event;
    made.Event.KeyEvent.bKeyDown = 1;
    made.Event.KeyEvent.wRepeatCount = 1;
    made.Event.KeyEvent.uChar.UnicodeChar = static_cast<wchar_t>(base);
    made.Event.KeyEvent.dwControlKeyState = (code & KEY_SHIFT) ? shift_pressed : 0;
    press = made;
  }
  if (!press) return std::nullopt;
  far3_host::INPUT_RECORD release = *press;
  release.Event.KeyEvent.bKeyDown = 0;
  return std::make_pair(*press, release);
}

}  // namespace try_host
