// The Wine console in the terminal: the screen size, the alternate screen, drawing a frame and
// reading keys. Ctrl+C arrives as a key or as a signal; both ask the host to quit.
#pragma once

#include <windows.h>

#include <memory>

#include "console/frame.h"
#include "host/key_codes.h"

namespace try_host {

class terminal {
 public:
  terminal();
  ~terminal();
  terminal(const terminal&) = delete;
  terminal& operator=(const terminal&) = delete;

  bool available() const { return output_ != INVALID_HANDLE_VALUE; }
  HANDLE output() const { return output_; }
  COORD size() const;

  // Takes over the terminal: alternate screen, no cursor, raw key input.
  void start();
  // Gives it back as it was; safe to call twice.
  void stop();

  // Writes the cells that changed since the last frame, in one call.
  void show(const frame& next);
  // The next key within timeout_ms, 0 when none came.
  far_host::key_code read_key(DWORD timeout_ms);
  // True when the terminal has taken a new size, which the console then takes too.
  bool follow_resize();

  static bool interrupted();

 private:
  void write_sequence(const char* text);

  HANDLE input_, output_;
  DWORD input_mode_ = 0;
  CONSOLE_CURSOR_INFO cursor_{};
  bool started_ = false;
  std::unique_ptr<frame> shown_;
};

}  // namespace try_host
