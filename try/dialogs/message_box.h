// The host's Message: a title, text lines and buttons laid out as a dialog.
#pragma once

#include "host/far_api.h"

namespace try_host {

class host_app;

// The number of the button chosen, -1 for Esc; a box without buttons is shown and left at once.
int show_message(host_app& host, far_host::DWORD flags, const char* const* items, int count,
                 int buttons);

}  // namespace try_host
