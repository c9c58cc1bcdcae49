// Anything the host draws over its panels: dialogs, menus, the help viewer.
#pragma once

#include "console/frame.h"

namespace try_host {

class window {
 public:
  virtual ~window() = default;
  virtual void draw(frame& screen) const = 0;
  // While true the host shows no new frame: a dialog has its drawing suspended.
  virtual bool holds_redraw() const { return false; }
};

}  // namespace try_host
