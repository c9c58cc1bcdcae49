// The host's standard functions that need no running host: the key-name reader and the path
// shortening.
#pragma once

#include "host/key_codes.h"

namespace host_core {

// The host's key-name reader: modifiers Ctrl, Alt, Shift in that order, then a base name.
int name_to_key(const char* name);
// Shortens a path in place to at most max_length characters, keeping its root.
char* trunc_path(char* text, int max_length);

}  // namespace host_core
