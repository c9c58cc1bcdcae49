// The host's help viewer over the plugin's help file: a topic with its fixed header, scrolling
// text, links chosen with Tab and followed with Enter, Backspace back to the topic before.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/window.h"
#include "help/help_file.h"

namespace try_host {

class host_app;

class help_window : public window {
 public:
  help_window(host_app& host, const help_file& file, const std::string& topic);
  void run();
  void draw(frame& screen) const override;

 private:
  struct place {
    std::string topic;
    int top;
    int link;
  };

  const help_topic* topic() const;
  // Every link of the topic's text: its line and its span.
  std::vector<std::pair<int, int>> links() const;
  int text_rows() const;
  void scroll(int to);
  void select_link(int step);
  void follow();
  void go(const std::string& topic);

  host_app& host_;
  const help_file& file_;
  std::string topic_;
  int top_ = 0;
  int link_ = -1;
  std::vector<place> history_;
};

}  // namespace try_host
