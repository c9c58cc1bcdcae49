// The host's help viewer over the plugin's help file: a topic with its fixed header, scrolling
// text, links chosen with Tab and followed with Enter, Backspace back to the topic before.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "console/window.h"
#include "host_core/help_file.h"

namespace try_host {

class help_window : public window {
 public:
  help_window(window_host& host, const host_core::help_file& file, const std::string& topic);
  void run();
  void draw(frame& screen) const override;

 private:
  struct place {
    std::string topic;
    int top;
    int link;
  };

  const host_core::help_topic* topic() const;
  // Every link of the topic's text: its line and its span.
  std::vector<std::pair<int, int>> links() const;
  int text_rows() const;
  void scroll(int to);
  void select_link(int step);
  void follow();
  void go(const std::string& topic);

  window_host& host_;
  const host_core::help_file& file_;
  std::string topic_;
  int top_ = 0;
  int link_ = -1;
  std::vector<place> history_;
};

}  // namespace try_host
