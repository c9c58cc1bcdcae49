// The host's Message: a title, text lines and buttons laid out as a dialog.
#pragma once

#include "console/window.h"
#include "host/far_api.h"

namespace try_host {

// The number of the button chosen, -1 for Esc; a box without buttons is shown and left at once.
int show_message(window_host& screen, host_core::dialog_host& host, far_host::DWORD flags,
                 const char* const* items, int count, int buttons);

}  // namespace try_host
