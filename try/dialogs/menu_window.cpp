#include "dialogs/menu_window.h"

#include <algorithm>

namespace try_host {

using namespace far_host;

namespace {

constexpr attribute menu_text = 0x30, menu_cursor = 0x0F, menu_box = 0x3F;

}  // namespace

menu_window::menu_window(window_host& host, std::wstring title, std::vector<std::wstring> items)
    : host_(host), title_(std::move(title)), items_(std::move(items)) {}

int menu_window::run() {
  if (items_.empty()) return -1;
  const int last = static_cast<int>(items_.size()) - 1;
  for (;;) {
    const host_core::event next = host_.next_event();
    if (next.kind == host_core::event::quit) return -1;
    if (next.kind != host_core::event::key) continue;
    switch (next.code) {
      case KEY_ESC:
      case KEY_F10: return -1;
      case KEY_ENTER: return current_;
      case KEY_UP: current_ = current_ == 0 ? last : current_ - 1; break;
      case KEY_DOWN: current_ = current_ == last ? 0 : current_ + 1; break;
      case KEY_HOME:
      case KEY_PGUP: current_ = 0; break;
      case KEY_END:
      case KEY_PGDN: current_ = last; break;
      default: break;
    }
  }
}

void menu_window::draw(frame& screen) const {
  int inner = static_cast<int>(title_.size()) + 2;
  for (const auto& item : items_) inner = std::max(inner, static_cast<int>(item.size()) + 2);
  inner = std::min(inner, screen.width() - 8);
  const int width = inner + 4, height = static_cast<int>(items_.size()) + 2;
  const int x = (screen.width() - width) / 2, y = (screen.height() - height) / 2;
  screen.fill(x, y, x + width - 1, y + height - 1, L' ', menu_text);
  screen.box(x, y, x + width - 1, y + height - 1, true, menu_box);
  screen.shadow(x, y, x + width - 1, y + height - 1);
  const std::wstring title = L" " + title_ + L" ";
  screen.text(x + (width - static_cast<int>(title.size())) / 2, y, title, menu_box, width - 2);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    const attribute attr = i == current_ ? menu_cursor : menu_text;
    screen.fill(x + 1, y + 1 + i, x + width - 2, y + 1 + i, L' ', attr);
    screen.text(x + 2, y + 1 + i, items_[i], attr, inner);
    if (i == current_) screen.mark(x + 1, y + 1 + i);
  }
}

}  // namespace try_host
