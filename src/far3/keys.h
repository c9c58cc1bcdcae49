// FAR 3 hands keys in as console records; the list speaks the key codes of FAR 1.7x.
#pragma once

#include "host/key_codes.h"
#include "host/windows_api.h"

namespace far_tolvane {

// The key a record reports, with its modifiers, as FAR 1.7x would code it; KEY_NONE for a record
// that is no key the list takes.
far_host::key_code key_of(const INPUT_RECORD& record);
// Whether the record lets a key go: if it was the last Ctrl, the key state now says so.
bool releases_key(const INPUT_RECORD& record);

}  // namespace far_tolvane
