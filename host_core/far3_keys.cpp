#include "host_core/far3_keys.h"

#include <strings.h>

#include <cctype>
#include <cstdint>
#include <cstring>

namespace host_core {

namespace {

constexpr unsigned left_ctrl = 0x8, right_ctrl = 0x4, left_alt = 0x2, right_alt = 0x1, shift = 0x10;
constexpr unsigned short key_event = 0x1, mouse_event = 0x2;
constexpr unsigned mouse_wheeled = 0x4;
constexpr unsigned short vk_shift = 0x10, vk_control = 0x11, vk_menu = 0x12, vk_numpad0 = 0x60;

struct modifier_word {
  const char* word;
  unsigned bit;
};
// In the order FAR writes them.
constexpr modifier_word modifier_words[] = {{"Ctrl", left_ctrl},
                                            {"RCtrl", right_ctrl},
                                            {"Alt", left_alt},
                                            {"RAlt", right_alt},
                                            {"Shift", shift}};

struct named_key {
  const char* name;
  unsigned short vk;
  unsigned short scan;
  unsigned short ch;
  bool grey;
};
// Keys with names of their own; the navigation block's grey names carry ENHANCED_KEY.
constexpr named_key named_keys[] = {
    {"Up", 0x26, 0x48, 0, true},          {"Down", 0x28, 0x50, 0, true},
    {"Left", 0x25, 0x4B, 0, true},        {"Right", 0x27, 0x4D, 0, true},
    {"Home", 0x24, 0x47, 0, true},        {"End", 0x23, 0x4F, 0, true},
    {"PgUp", 0x21, 0x49, 0, true},        {"PgDn", 0x22, 0x51, 0, true},
    {"Ins", 0x2D, 0x52, 0, true},         {"Del", 0x2E, 0x53, 0, true},
    {"NumEnter", 0x0D, 0x1C, '\r', true}, {"Enter", 0x0D, 0x1C, '\r', false},
    {"Esc", 0x1B, 0x01, 0x1B, false},     {"Tab", 0x09, 0x0F, '\t', false},
    {"BS", 0x08, 0x0E, 0x08, false},      {"Space", 0x20, 0x39, ' ', false}};

// The NumPad's navigation keys with NumLock off: the grey key's code without ENHANCED_KEY.
constexpr named_key numpad_keys[] = {
    {"Num0", 0x2D, 0x52, 0, false},  {"Num1", 0x23, 0x4F, 0, false},
    {"Num2", 0x28, 0x50, 0, false},  {"Num3", 0x22, 0x51, 0, false},
    {"Num4", 0x25, 0x4B, 0, false},  {"Clear", 0x0C, 0x4C, 0, false},
    {"Num6", 0x27, 0x4D, 0, false},  {"Num7", 0x24, 0x47, 0, false},
    {"Num8", 0x26, 0x48, 0, false},  {"Num9", 0x21, 0x49, 0, false},
    {"NumDel", 0x2E, 0x53, 0, false}};

// What a key types on one layout: its virtual key, and its character alone and with Shift (0
// for a dead key, or none). A vk of 0: the layout has a letter there, no OEM key.
struct typed_key {
  unsigned short vk, plain, shifted;
};
struct oem_key {
  char ch;
  unsigned short scan;
  typed_key on[4];  // in keyboard_layout's order: US, UK, German, French
};
// FAR names the OEM keys by the unshifted US character of their scan code, on every layout.
// The German and French keyboards put other keys in those places: a vk of 0xC0 is the Ö key
// (scan 0x27) on a German one, and the key with ' (scan 0x28) on a UK and a French one.
constexpr oem_key oem_keys[] = {
    {'`', 0x29, {{0xC0, '`', '~'}, {0xDF, '`', 0xAC}, {0xDC, 0, 0xB0}, {0xDE, 0xB2, 0}}},
    {';', 0x27, {{0xBA, ';', ':'}, {0xBA, ';', ':'}, {0xC0, 0xF6, 0xD6}, {0, 0, 0}}},
    {'=', 0x0D, {{0xBB, '=', '+'}, {0xBB, '=', '+'}, {0xDD, 0, 0}, {0xBB, '=', '+'}}},
    {',', 0x33, {{0xBC, ',', '<'}, {0xBC, ',', '<'}, {0xBC, ',', ';'}, {0xBE, ';', '.'}}},
    {'-', 0x0C, {{0xBD, '-', '_'}, {0xBD, '-', '_'}, {0xDB, 0xDF, '?'}, {0xDB, ')', 0xB0}}},
    {'.', 0x34, {{0xBE, '.', '>'}, {0xBE, '.', '>'}, {0xBE, '.', ':'}, {0xBF, ':', '/'}}},
    {'/', 0x35, {{0xBF, '/', '?'}, {0xBF, '/', '?'}, {0xBD, '-', '_'}, {0xDF, '!', 0xA7}}},
    {'[', 0x1A, {{0xDB, '[', '{'}, {0xDB, '[', '{'}, {0xBA, 0xFC, 0xDC}, {0xDD, 0, 0}}},
    {']', 0x1B, {{0xDD, ']', '}'}, {0xDD, ']', '}'}, {0xBB, '+', '*'}, {0xBA, '$', 0xA3}}},
    {'\'', 0x28, {{0xDE, '\'', '"'}, {0xC0, '\'', '@'}, {0xDE, 0xE4, 0xC4}, {0xC0, 0xF9, '%'}}}};

unsigned take_modifiers(std::string& name) {
  unsigned held = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& [word, bit] : modifier_words) {
      const std::size_t length = std::strlen(word);
      if (name.size() > length && !strncasecmp(name.c_str(), word, length) && !(held & bit)) {
        held |= bit;
        name.erase(0, length);
        found = true;
        break;
      }
    }
  }
  return held;
}

INPUT_RECORD key_down(unsigned short vk, unsigned short scan, unsigned short ch, unsigned state) {
  INPUT_RECORD record{};
  record.EventType = key_event;
  auto& key = record.Event.KeyEvent;
  key.bKeyDown = 1;
  key.wRepeatCount = 1;
  key.wVirtualKeyCode = vk;
  key.wVirtualScanCode = scan;
  key.uChar.UnicodeChar = ch;
  key.dwControlKeyState = state;
  return record;
}

// The record a console gives for a key named as FAR names it, typed on the layout.
std::optional<INPUT_RECORD> record_for(const std::string& full_name, keyboard_layout layout) {
  std::string name = full_name;
  const unsigned held = take_modifiers(name);
  const bool ctrl = held & (left_ctrl | right_ctrl);
  if (!strcasecmp(name.c_str(), "MsWheelUp")) return wheel_record(120, 0, 0, held);
  if (!strcasecmp(name.c_str(), "MsWheelDown")) return wheel_record(-120, 0, 0, held);
  for (const named_key& key : named_keys)
    if (!strcasecmp(name.c_str(), key.name))
      return key_down(key.vk, key.scan, key.ch, held | (key.grey ? enhanced_key : 0));
  for (const named_key& key : numpad_keys)
    if (!strcasecmp(name.c_str(), key.name)) return key_down(key.vk, key.scan, 0, held);
  if ((name[0] == 'F' || name[0] == 'f') && name.size() >= 2 &&
      name.find_first_not_of("0123456789", 1) == std::string::npos) {
    const int number = std::stoi(name.substr(1));
    if (number < 1 || number > 24) return std::nullopt;
    const unsigned short scan = static_cast<unsigned short>(number <= 10   ? 0x3A + number
                                                            : number == 11 ? 0x57
                                                            : number == 12 ? 0x58
                                                                           : 0);
    return key_down(static_cast<unsigned short>(0x6F + number), scan, 0, held);
  }
  if (name.size() != 1) return std::nullopt;
  const char c = name[0];
  for (const oem_key& key : oem_keys) {
    if (c != key.ch) continue;
    const typed_key& typed = key.on[static_cast<int>(layout)];
    if (!typed.vk) return std::nullopt;
    // A console gives no character with Ctrl.
    const unsigned short shown = held & shift ? typed.shifted : typed.plain;
    return key_down(typed.vk, key.scan, ctrl ? 0 : shown, held);
  }
  if (std::isalpha(static_cast<unsigned char>(c))) {
    const auto upper = static_cast<unsigned short>(std::toupper(static_cast<unsigned char>(c)));
    auto ch = static_cast<unsigned short>(held & shift ? upper : std::tolower(upper));
    if (ctrl) ch = static_cast<unsigned short>(upper & 0x1F);
    return key_down(upper, 0, ch, held);
  }
  if (std::isdigit(static_cast<unsigned char>(c)))
    return key_down(static_cast<unsigned short>(c), 0, ctrl ? 0 : static_cast<unsigned char>(c),
                    held);
  return std::nullopt;
}

std::string modifier_prefix(unsigned state) {
  std::string prefix;
  for (const auto& [word, bit] : modifier_words)
    if (state & bit) prefix += word;
  return prefix;
}

std::string key_base_name(const INPUT_RECORD& record) {
  const auto& key = record.Event.KeyEvent;
  const unsigned short vk = key.wVirtualKeyCode;
  const bool grey = key.dwControlKeyState & enhanced_key;
  if (vk == 0x0D) return grey ? "NumEnter" : "Enter";
  for (const named_key& named : named_keys)
    if (named.vk == vk && (!named.grey || grey)) return named.name;
  for (const named_key& named : numpad_keys)
    if (named.vk == vk) return named.name;
  if (vk >= 0x70 && vk <= 0x87) return "F" + std::to_string(vk - 0x6F);
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
    return std::string(1, static_cast<char>(vk));
  if (vk >= vk_numpad0 && vk <= vk_numpad0 + 9) {
    const char digit = static_cast<char>('0' + vk - vk_numpad0);
    return key.dwControlKeyState & (left_ctrl | right_ctrl | left_alt | right_alt | shift)
               ? std::string("Num") + digit
               : std::string(1, digit);
  }
  // By its place; without one, by its virtual key on a US keyboard.
  const unsigned short scan = key.wVirtualScanCode;
  for (const oem_key& oem : oem_keys)
    if (scan ? oem.scan == scan : oem.on[0].vk == vk) return std::string(1, oem.ch);
  return {};
}

}  // namespace

std::optional<INPUT_RECORD> typed_record(const std::string& name, keyboard_layout layout) {
  if (name.empty()) return std::nullopt;
  return record_for(name, layout);
}

INPUT_RECORD wheel_record(int delta, int x, int y, unsigned modifiers) {
  INPUT_RECORD record{};
  record.EventType = mouse_event;
  auto& mouse = record.Event.MouseEvent;
  mouse.dwMousePosition.X = static_cast<short>(x);
  mouse.dwMousePosition.Y = static_cast<short>(y);
  // The turn is the high word, signed; FAR writes it as a multiple of a notch.
  mouse.dwButtonState = static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16;
  mouse.dwControlKeyState = modifiers;
  mouse.dwEventFlags = mouse_wheeled;
  return record;
}

record_bytes bytes_of(const INPUT_RECORD& record) {
  static_assert(sizeof(INPUT_RECORD) == sizeof(record_bytes));
  record_bytes bytes{};
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

INPUT_RECORD record_of(const record_bytes& bytes) {
  INPUT_RECORD record{};
  std::memcpy(&record, bytes.data(), sizeof record);
  return record;
}

INPUT_RECORD ctrl_record(bool down) {
  INPUT_RECORD record = key_down(vk_control, 0x1D, 0, down ? left_ctrl : 0);
  record.Event.KeyEvent.bKeyDown = down ? 1 : 0;
  return record;
}

std::string record_name(const INPUT_RECORD& record) {
  if (record.EventType == mouse_event) {
    const auto& mouse = record.Event.MouseEvent;
    const bool away = static_cast<std::int16_t>(mouse.dwButtonState >> 16) > 0;
    const std::string prefix = modifier_prefix(mouse.dwControlKeyState);
    if (mouse.dwEventFlags & mouse_wheeled) return prefix + (away ? "MsWheelUp" : "MsWheelDown");
    if (mouse.dwEventFlags & mouse_hwheeled)
      return prefix + (away ? "MsWheelRight" : "MsWheelLeft");
    return {};
  }
  if (record.EventType != key_event) return {};
  const auto& key = record.Event.KeyEvent;
  const bool right = key.dwControlKeyState & enhanced_key;
  switch (key.wVirtualKeyCode) {
    case vk_control: return key.bKeyDown ? "" : right ? "RCtrl" : "Ctrl";
    case vk_menu: return key.bKeyDown ? "" : right ? "RAlt" : "Alt";
    case vk_shift: return key.bKeyDown ? "" : "Shift";
    default: break;
  }
  if (!key.bKeyDown) return {};
  std::string base = key_base_name(record);
  if (base.empty()) return {};
  return modifier_prefix(key.dwControlKeyState) + base;
}

}  // namespace host_core
