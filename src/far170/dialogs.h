// The two dialog procedures the 1.70 host calls: the list's and the notice box's.
#pragma once

#include "host/far_api.h"

namespace far_tolvane {

far_host::LONG_PARAM FARAPI view_list_dialog_proc(far_host::HANDLE dialog, int message, int param1,
                                                  far_host::LONG_PARAM param2);
far_host::LONG_PARAM FARAPI notice_box_proc(far_host::HANDLE dialog, int message, int param1,
                                            far_host::LONG_PARAM param2);

}  // namespace far_tolvane
