// Playing a remapped key's sequence through the dialog's key handler, and handing the rest of
// a sequence to the host when one of its keys closed the dialog.
#pragma once

#include "host/key_codes.h"

namespace far_tolvane {

using key_handler = bool (*)(void* context, far_host::key_code key);

bool play_key(far_host::key_code key, key_handler handler, void* context);
void post_remaining_keys();

}  // namespace far_tolvane
