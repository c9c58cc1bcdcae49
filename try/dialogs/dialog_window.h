// A plugin's FAR 1.7x dialog on the screen: the host core's dialog, its records and their texts
// in the plugin's code page read for the drawing.
#pragma once

#include <string>

#include "console/window.h"
#include "dialogs/dialog_look.h"
#include "host_core/dialog.h"

namespace try_host {

class dialog_window : public host_core::dialog, public window, public dialog_look {
 public:
  dialog_window(window_host& screen, host_core::dialog_host& host,
                const host_core::dialog_request& request)
      : dialog(host, request), screen_(screen) {}

  void draw(frame& screen) const override { draw_dialog(screen, *this); }
  bool holds_redraw() const override { return redraw_held(); }

  int look_x() const override { return x; }
  int look_y() const override { return y; }
  int look_width() const override { return width; }
  int look_height() const override { return height; }
  bool look_warning() const override;
  int look_count() const override { return static_cast<int>(items.size()); }
  shown_item look_item(int index) const override;
  int look_focus() const override { return focus; }
  list_state look_list(int index) const override;

 private:
  window_host& screen_;
};

}  // namespace try_host
