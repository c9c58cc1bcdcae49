// Remappable keys of the view list dialog, kept in the host's per-user registry area.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/key_codes.h"

namespace far_tolvane {

struct key_macro {
  far_host::key_code trigger = 0;
  std::vector<far_host::key_code> sequence;
};

// Keyed by the trigger's unsigned code; refilled at every opening.
extern std::map<far_host::key_code, key_macro> key_macro_table;

// "Software\Far" [+ "\Users\" + FARUSER] + "\KeyMacros\Tolvane", under HKEY_CURRENT_USER.
std::string key_macro_key_path();
// Only when the area does not exist yet: a user who removed every macro keeps none.
void write_default_key_macros();
void load_key_macros();

}  // namespace far_tolvane
