// Keys beyond what the host reports: remapped keys, and watching Ctrl where the host never calls
// a waiting dialog. Each host binding defines these its own way.
#pragma once

#include "host/key_codes.h"

namespace far_tolvane {

using key_handler = bool (*)(void* context, far_host::key_code key);

// The key's macro played through the handler, or the key itself when it has none.
bool play_key(far_host::key_code key, key_handler handler, void* context);
// The rest of a sequence that a played key's close cut short, handed to the host.
void post_remaining_keys();

// While the quick-switch form waits, something calls the dialog often enough to see Ctrl go up.
void start_ctrl_watch();
void stop_ctrl_watch();

}  // namespace far_tolvane
