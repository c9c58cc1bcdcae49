#include "console/frame.h"

#include <algorithm>

namespace try_host {

namespace {

void append_utf8(std::string& out, wchar_t ch) {
  const auto code = static_cast<std::uint32_t>(ch) & 0xFFFF;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

frame::frame(int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), cells_(width_ * height_) {}

// Whatever is drawn over a marked cell hides the mark with it.
void frame::put(int x, int y, wchar_t ch, attribute attr) {
  if (!inside(x, y)) return;
  cells_[y * width_ + x] = {ch, attr};
  if (!marks_.empty()) marks_.erase({x, y});
}

void frame::text(int x, int y, const std::wstring& text, attribute attr, int max_width) {
  const int count = max_width < 0 ? static_cast<int>(text.size())
                                  : std::min(max_width, static_cast<int>(text.size()));
  for (int i = 0; i < count; ++i) put(x + i, y, text[i], attr);
}

void frame::fill(int x1, int y1, int x2, int y2, wchar_t ch, attribute attr) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) put(x, y, ch, attr);
}

void frame::box(int x1, int y1, int x2, int y2, bool double_line, attribute attr) {
  const wchar_t* c = double_line ? L"╔╗╚╝═║" : L"┌┐└┘─│";
  for (int x = x1 + 1; x < x2; ++x) {
    put(x, y1, c[4], attr);
    put(x, y2, c[4], attr);
  }
  for (int y = y1 + 1; y < y2; ++y) {
    put(x1, y, c[5], attr);
    put(x2, y, c[5], attr);
  }
  put(x1, y1, c[0], attr);
  put(x2, y1, c[1], attr);
  put(x1, y2, c[2], attr);
  put(x2, y2, c[3], attr);
}

void frame::shadow(int x1, int y1, int x2, int y2) {
  auto darken = [&](int x, int y) {
    if (inside(x, y)) cells_[y * width_ + x].attr = 0x08;
  };
  for (int y = y1 + 1; y <= y2 + 1; ++y) {
    darken(x2 + 1, y);
    darken(x2 + 2, y);
  }
  for (int x = x1 + 2; x <= x2; ++x) darken(x, y2 + 1);
}

void frame::clear() {
  std::fill(cells_.begin(), cells_.end(), cell{});
  marks_.clear();
}

std::string frame::dump() const {
  std::string out;
  for (int y = 0; y < height_; ++y) {
    std::string row;
    int last = -1;
    for (int x = 0; x < width_; ++x)
      if (at(x, y).ch != L' ' || marks_.count({x, y})) last = x;
    for (int x = 0; x <= last; ++x) append_utf8(row, marks_.count({x, y}) ? L'>' : at(x, y).ch);
    out += row;
    out += '\n';
  }
  return out;
}

}  // namespace try_host
