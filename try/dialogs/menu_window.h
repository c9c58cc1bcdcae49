// A vertical menu of the host, such as the plugins menu of F11.
#pragma once

#include <string>
#include <vector>

#include "console/window.h"

namespace try_host {

class menu_window : public window {
 public:
  menu_window(window_host& host, std::wstring title, std::vector<std::wstring> items);
  // The chosen item, or -1 when the menu was left.
  int run();
  void draw(frame& screen) const override;

 private:
  window_host& host_;
  std::wstring title_;
  std::vector<std::wstring> items_;
  int current_ = 0;
};

}  // namespace try_host
