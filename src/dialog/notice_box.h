// The warning box that explains a refused command; in quick-switch mode it closes itself when
// Ctrl is released.
#pragma once

#include "binding/dialogs.h"

namespace far_tolvane {

class notice_box {
 public:
  // Runs the box modally; always false.
  bool show(bool quick_switch, int title_id);

  // What the host's notifications come to, from the binding's dialog procedure.
  void init_dialog(dialog_handle dialog);
  // An idle moment, or Ctrl alone: in quick switch the box closes once Ctrl is up.
  void look_at_ctrl() const;

  dialog_item items[4];
  host_char kind_line[512] = {};
  bool quick_switch = false;
  dialog_handle handle = nullptr;
};

// Message 14 comes from a translator's file: its one "%s" is replaced here rather than handed
// to a printf-style function, so that a stray conversion cannot read or write past anything.
// The text is cut to the item's size.
void substitute_kind(const host_char* format, const host_char* kind, host_char (&text)[512]);

}  // namespace far_tolvane
