// The host's key codes from the console's key events. Free of Windows headers, so that the
// native unit tests check it.
#pragma once

#include <cstdint>

#include "host/key_codes.h"

namespace try_host {

// The fields of a console key event that decide the key.
struct console_key {
  bool down = true;
  std::uint16_t virtual_key = 0;
  char16_t character = 0;
  std::uint32_t control_state = 0;
};

// 0 for an event that is not a key of its own: a release, a lone modifier, a sequence the
// console did not recognise.
far_host::key_code translate_key(const console_key& key);

}  // namespace try_host
