// The two dialog procedures FAR 3 calls, and whether the notice box is the one waiting now.
#pragma once

#include "host/far3_api.h"

namespace far_tolvane {

std::intptr_t FARAPI view_list_dialog_proc(far3_host::HANDLE dialog, std::intptr_t message,
                                           std::intptr_t param1, void* param2);
std::intptr_t FARAPI notice_box_proc(far3_host::HANDLE dialog, std::intptr_t message,
                                     std::intptr_t param1, void* param2);

bool notice_shown();

}  // namespace far_tolvane
