// The console records a keyboard would put into the console for one of the host's key codes,
// as FAR 3 hands them to a dialog: the press, then the release. The terminal's own records will
// not do: it sends Ctrl with the key under Esc as Ctrl+Shift+2, say.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "host/far3_api.h"
#include "host/key_codes.h"

namespace try_host {

// FAR 3's name of the key ("CtrlShift`", "F11", "Num2"); nothing for a code no key makes.
std::optional<std::string> far3_key_name(far_host::key_code code);
std::optional<std::pair<far3_host::INPUT_RECORD, far3_host::INPUT_RECORD>> far3_key_records(
    far_host::key_code code);

}  // namespace try_host
