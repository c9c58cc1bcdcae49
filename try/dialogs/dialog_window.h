// A plugin's dialog on the screen: the host core's dialog, drawn in the host's dialog or warning
// colours.
#pragma once

#include <string>

#include "console/window.h"
#include "host_core/dialog.h"

namespace try_host {

class dialog_window : public host_core::dialog, public window {
 public:
  dialog_window(window_host& screen, host_core::dialog_host& host,
                const host_core::dialog_request& request)
      : dialog(host, request), screen_(screen) {}

  void draw(frame& screen) const override;
  bool holds_redraw() const override { return redraw_held(); }

 private:
  void draw_item(frame& screen, int index) const;
  void draw_list(frame& screen, int index, int left, int top, int right, int bottom) const;
  int button_x(int index) const;
  std::wstring button_text(int index) const;

  window_host& screen_;
};

}  // namespace try_host
