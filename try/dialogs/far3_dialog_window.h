// A plugin's FAR 3 dialog on the screen while it runs: the host core's FAR 3 dialog, whose
// texts are whole Unicode, read for the same drawing as FAR 1.7x's. It takes the console's
// records, not the host's key codes.
#pragma once

#include "console/window.h"
#include "dialogs/dialog_look.h"
#include "host_core/far3_dialog.h"

namespace try_host {

class far3_dialog_window : public window, public dialog_look {
 public:
  explicit far3_dialog_window(const host_core::far3_dialog& shown) : shown_(shown) {}

  void draw(frame& screen) const override;
  // FAR 3's redraw counter below 0 holds the drawing.
  bool holds_redraw() const override { return shown_.redraw_counter < 0; }
  bool takes_records() const override { return true; }

  int look_x() const override { return shown_.x; }
  int look_y() const override { return shown_.y; }
  int look_width() const override { return shown_.width; }
  int look_height() const override { return shown_.height; }
  bool look_warning() const override;
  int look_count() const override { return static_cast<int>(shown_.items.size()); }
  shown_item look_item(int index) const override;
  int look_focus() const override { return shown_.focus; }
  list_state look_list(int index) const override;

 private:
  const host_core::far3_dialog& shown_;
};

}  // namespace try_host
