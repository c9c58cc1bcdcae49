#include "help/help_window.h"

#include <algorithm>

namespace try_host {

using namespace far_host;
using namespace host_core;

namespace {

constexpr attribute help_text = 0x30, help_bold = 0x3F, help_link = 0x3E, help_chosen = 0x0E,
                    help_box = 0x3F;

struct help_area {
  int x, y, width, height;
};

help_area area_of(int screen_width, int screen_height) {
  const int width = std::min(screen_width - 2, 80);
  return {(screen_width - width) / 2, 1, width, screen_height - 3};
}

}  // namespace

help_window::help_window(window_host& host, const host_core::help_file& file,
                         const std::string& topic)
    : host_(host), file_(file) {
  go(topic);
}

const help_topic* help_window::topic() const {
  auto found = file_.topics.find(topic_);
  return found == file_.topics.end() ? nullptr : &found->second;
}

std::vector<std::pair<int, int>> help_window::links() const {
  std::vector<std::pair<int, int>> found;
  if (const help_topic* shown = topic())
    for (int line = 0; line < static_cast<int>(shown->body.size()); ++line)
      for (int span = 0; span < static_cast<int>(shown->body[line].size()); ++span)
        if (shown->body[line][span].style == help_span::link) found.emplace_back(line, span);
  return found;
}

int help_window::text_rows() const {
  const help_area area = area_of(host_.width(), host_.height());
  const help_topic* shown = topic();
  return std::max(1, area.height - 2 - (shown ? static_cast<int>(shown->header.size()) + 1 : 0));
}

void help_window::go(const std::string& name) {
  topic_ = name;
  top_ = 0;
  link_ = links().empty() ? -1 : 0;
}

void help_window::scroll(int to) {
  const help_topic* shown = topic();
  const int lines = shown ? static_cast<int>(shown->body.size()) : 0;
  top_ = std::clamp(to, 0, std::max(0, lines - text_rows()));
  // The chosen link stays on the page: otherwise the first link of the page is chosen.
  const auto all = links();
  if (link_ >= 0 && all[link_].first >= top_ && all[link_].first < top_ + text_rows()) return;
  link_ = -1;
  for (int i = 0; i < static_cast<int>(all.size()); ++i)
    if (all[i].first >= top_ && all[i].first < top_ + text_rows()) {
      link_ = i;
      break;
    }
}

void help_window::select_link(int step) {
  const auto all = links();
  if (all.empty()) return;
  const int count = static_cast<int>(all.size());
  link_ = link_ < 0 ? 0 : (link_ + step + count) % count;
  const int line = all[link_].first;
  if (line < top_) top_ = line;
  if (line >= top_ + text_rows()) top_ = line - text_rows() + 1;
}

void help_window::follow() {
  const auto all = links();
  if (link_ < 0 || link_ >= static_cast<int>(all.size())) return;
  const std::string target = topic()->body[all[link_].first][all[link_].second].topic;
  if (!file_.topics.count(target)) return;
  history_.push_back({topic_, top_, link_});
  go(target);
}

void help_window::run() {
  for (;;) {
    const host_core::event next = host_.next_event();
    if (next.kind == event::quit) return;
    if (next.kind != event::key) continue;
    const int page = text_rows();
    switch (next.code) {
      case KEY_ESC:
      case KEY_F10: return;
      case KEY_UP: scroll(top_ - 1); break;
      case KEY_DOWN: scroll(top_ + 1); break;
      case KEY_PGUP: scroll(top_ - page); break;
      case KEY_PGDN: scroll(top_ + page); break;
      case KEY_HOME: scroll(0); break;
      case KEY_END: scroll(1 << 20); break;
      case KEY_TAB:
      case KEY_RIGHT: select_link(1); break;
      case KEY_SHIFT | KEY_TAB:
      case KEY_LEFT: select_link(-1); break;
      case KEY_ENTER: follow(); break;
      case KEY_F1:
      case KEY_SHIFT | KEY_F1:
        history_.push_back({topic_, top_, link_});
        go("Contents");
        break;
      case 0x08:
      case KEY_ALT | KEY_F1:
        if (!history_.empty()) {
          topic_ = history_.back().topic;
          top_ = history_.back().top;
          link_ = history_.back().link;
          history_.pop_back();
        }
        break;
      default: break;
    }
  }
}

void help_window::draw(frame& screen) const {
  const help_area area = area_of(screen.width(), screen.height());
  const int x1 = area.x, y1 = area.y, x2 = area.x + area.width - 1, y2 = area.y + area.height - 1;
  screen.fill(x1, y1, x2, y2, L' ', help_text);
  screen.box(x1, y1, x2, y2, true, help_box);
  screen.shadow(x1, y1, x2, y2);
  const std::wstring title = L" " + host_.text(file_.contents_title) + L" ";
  screen.text(x1 + (area.width - static_cast<int>(title.size())) / 2, y1, title, help_box);
  const help_topic* shown = topic();
  if (!shown) {
    screen.text(x1 + 2, y1 + 1, L"Topic not found: " + host_.text(topic_), help_text);
    return;
  }
  const auto all = links();
  const int width = area.width - 4;
  auto draw_line = [&](const help_line& line, int y, int line_index, bool header) {
    int x = x1 + 2;
    for (int span = 0; span < static_cast<int>(line.size()); ++span) {
      const help_span& part = line[span];
      attribute attr = part.style == help_span::bold || header ? help_bold
                       : part.style == help_span::link         ? help_link
                                                               : help_text;
      const bool chosen = link_ >= 0 && !header && all[link_] == std::make_pair(line_index, span);
      if (chosen) attr = help_chosen;
      const std::wstring text = host_.text(part.text);
      screen.text(x, y, text, attr, std::max(0, x1 + 2 + width - x));
      if (chosen) screen.mark(x - 1, y);
      x += static_cast<int>(text.size());
    }
  };
  int y = y1 + 1;
  for (const help_line& line : shown->header) draw_line(line, y++, -1, true);
  if (!shown->header.empty()) ++y;
  for (int row = 0; row < text_rows() && top_ + row < static_cast<int>(shown->body.size()); ++row)
    draw_line(shown->body[top_ + row], y + row, top_ + row, false);
}

}  // namespace try_host
