// Anything the host draws over its panels (dialogs, menus, the help viewer), and what such a
// window needs of the host while it runs.
#pragma once

#include <string>

#include "console/frame.h"
#include "host_core/dialog.h"

namespace try_host {

class window {
 public:
  virtual ~window() = default;
  virtual void draw(frame& screen) const = 0;
  // While true the host shows no new frame: a dialog has its drawing suspended.
  virtual bool holds_redraw() const { return false; }
  // A FAR 3 dialog takes the console's records; the host's own windows take its key codes.
  virtual bool takes_records() const { return false; }
};

class window_host {
 public:
  virtual ~window_host() = default;
  virtual host_core::event next_event() = 0;
  virtual void redraw() = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
  // A text of the plugin, in its code page, as the screen shows it.
  virtual std::wstring text(const std::string& plugin_text) const = 0;
  virtual void show_help(const std::string& topic) = 0;
  virtual void open_window(window* shown) = 0;
  virtual void close_window(window* shown) = 0;
};

}  // namespace try_host
