// The host's 32-bit key codes: a base code with modifier bits above it. Codes are compared whole.
#pragma once

#include <cstdint>

namespace far_host {

using key_code = std::uint32_t;

// No key: an event the host makes no key of, or a key the plugin leaves to the host.
constexpr key_code KEY_NONE = 0;
constexpr key_code KEY_CTRL = 0x01000000;
constexpr key_code KEY_ALT = 0x02000000;
constexpr key_code KEY_SHIFT = 0x04000000;

constexpr key_code KEY_TAB = 0x09;
constexpr key_code KEY_ENTER = 0x0D;
constexpr key_code KEY_ESC = 0x1B;
constexpr key_code KEY_SPACE = 0x20;
constexpr key_code KEY_BACKQUOTE = 0x60;
constexpr key_code KEY_TILDE = 0x7E;
// The key under Esc by its virtual-key code, as FAR 1.75 reports it with Ctrl under one setting.
constexpr key_code KEY_OEM_3 = 0xC0;
constexpr key_code KEY_PGUP = 0x121;
constexpr key_code KEY_PGDN = 0x122;
constexpr key_code KEY_END = 0x123;
constexpr key_code KEY_HOME = 0x124;
constexpr key_code KEY_LEFT = 0x125;
constexpr key_code KEY_UP = 0x126;
constexpr key_code KEY_RIGHT = 0x127;
constexpr key_code KEY_DOWN = 0x128;
constexpr key_code KEY_INS = 0x12D;
constexpr key_code KEY_DEL = 0x12E;
// NumPad keys with NumLock off, as FAR 1.75 and FAR 3 report them: 0x100 + the virtual-key code
// of the digit, and a code of its own for Del.
constexpr key_code KEY_NUMPAD0 = 0x160;
constexpr key_code KEY_NUMDEL = 0x209;
constexpr key_code KEY_F1 = 0x170;
constexpr key_code KEY_F3 = 0x172;
constexpr key_code KEY_F4 = 0x173;
constexpr key_code KEY_F5 = 0x174;
constexpr key_code KEY_F10 = 0x179;
constexpr key_code KEY_F12 = 0x17B;
constexpr key_code KEY_MSWHEEL_UP = 0x203;
constexpr key_code KEY_MSWHEEL_DOWN = 0x204;
constexpr key_code KEY_KILLFOCUS = 0x1006;

}  // namespace far_host
