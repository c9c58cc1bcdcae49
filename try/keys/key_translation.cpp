#include "keys/key_translation.h"

namespace try_host {

using namespace far_host;

namespace {

// The console's modifier bits and the virtual keys the translation tells apart.
constexpr std::uint32_t right_alt = 0x01, left_alt = 0x02, right_ctrl = 0x04, left_ctrl = 0x08,
                        shift_pressed = 0x10;
constexpr std::uint16_t vk_back = 0x08, vk_tab = 0x09, vk_return = 0x0D, vk_escape = 0x1B,
                        vk_space = 0x20, vk_prior = 0x21, vk_down = 0x28, vk_insert = 0x2D,
                        vk_delete = 0x2E, vk_f1 = 0x70, vk_f12 = 0x7B, vk_oem_3 = 0xC0;

// Punctuation keys by their US-layout character, for Ctrl and Alt forms whose character the
// console reports as a control code.
char punctuation(std::uint16_t virtual_key) {
  switch (virtual_key) {
    case 0xBA: return ';';
    case 0xBB: return '=';
    case 0xBC: return ',';
    case 0xBD: return '-';
    case 0xBE: return '.';
    case 0xBF: return '/';
    case 0xDB: return '[';
    case 0xDC: return '\\';
    case 0xDD: return ']';
    case 0xDE: return '\'';
    default: return 0;
  }
}

}  // namespace

key_code translate_key(const console_key& key) {
  if (!key.down) return 0;
  const bool ctrl = key.control_state & (left_ctrl | right_ctrl);
  const bool alt = key.control_state & (left_alt | right_alt);
  const bool shift = key.control_state & shift_pressed;
  const key_code modifiers = (ctrl ? KEY_CTRL : 0) | (alt ? KEY_ALT : 0) | (shift ? KEY_SHIFT : 0);
  const std::uint16_t vk = key.virtual_key;

  // Test the virtual key, not the character: Esc and the function keys arrive with character 0.
  if (vk == vk_back || vk == vk_tab || vk == vk_return || vk == vk_escape || vk == vk_space)
    return modifiers | vk;
  if ((vk >= vk_prior && vk <= vk_down) || vk == vk_insert || vk == vk_delete ||
      (vk >= vk_f1 && vk <= vk_f12))
    return modifiers | (0x100 + vk);
  // A terminal sends Ctrl+~ (and Ctrl+`, Ctrl+Space) as a NUL byte, which the console reports
  // as Ctrl+Shift+2: it is the only way to reach the Ctrl~ key from a terminal.
  if (vk == '2' && ctrl && key.character == 0) return (modifiers & ~KEY_SHIFT) | KEY_TILDE;
  if (vk == vk_oem_3 && (ctrl || alt)) return modifiers | KEY_TILDE;
  if (ctrl || alt) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return modifiers | vk;
    if (const char mark = punctuation(vk)) return modifiers | static_cast<unsigned char>(mark);
    return 0;
  }
  // Printable keys are their character, which already carries Shift.
  if (key.character >= 0x20 && key.character < 0x7F) return key.character;
  return 0;
}

}  // namespace try_host
