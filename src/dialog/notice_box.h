// The warning box that explains a refused command; in quick-switch mode it closes itself when
// Ctrl is released.
#pragma once

#include "host/far_api.h"

namespace far_tolvane {

class notice_box {
 public:
  // Runs the box modally; always false.
  bool show(bool quick_switch, int title_id);

  far_host::FarDialogItem items[4]{};
  bool quick_switch = false;
  far_host::HANDLE dialog_handle = nullptr;
};

far_host::LONG_PARAM FARAPI notice_box_proc(far_host::HANDLE dialog, int message, int param1,
                                            far_host::LONG_PARAM param2);

// Message 14 comes from a translator's file: its one "%s" is replaced here rather than handed
// to a printf-style function, so that a stray conversion cannot read or write past anything.
// The text is cut to the item's size.
void substitute_kind(const char* format, const char* kind, char (&text)[512]);

}  // namespace far_tolvane
