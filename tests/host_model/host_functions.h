// The host's own helpers that do not depend on a running host: the key-name reader and path
// shortening of its standard functions, and the reading of a language file. The test rigs and
// the try host share them.
#pragma once

#include <string>
#include <vector>

#include "host/key_codes.h"

namespace host_model {

// The host's key-name reader: modifiers Ctrl, Alt, Shift in that order, then a base name.
int name_to_key(const char* name);
// Shortens a path in place to at most max_length characters, keeping its root.
char* trunc_path(char* text, int max_length);
// The quoted message lines of a language file, in order.
std::vector<std::string> read_language_file(const std::string& path);

}  // namespace host_model
