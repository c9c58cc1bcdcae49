// A vertical menu of the host, such as the plugins menu of F11.
#pragma once

#include <string>
#include <vector>

#include "app/window.h"

namespace try_host {

class host_app;

class menu_window : public window {
 public:
  menu_window(host_app& host, std::wstring title, std::vector<std::wstring> items);
  // The chosen item, or -1 when the menu was left.
  int run();
  void draw(frame& screen) const override;

 private:
  host_app& host_;
  std::wstring title_;
  std::vector<std::wstring> items_;
  int current_ = 0;
};

}  // namespace try_host
