// The screen as the host composes it: a grid of characters with console colour attributes. Every
// window draws into it, and the terminal shows it or a text dump prints it.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace try_host {

using attribute = std::uint16_t;

struct cell {
  wchar_t ch = L' ';
  attribute attr = 0x07;
  bool operator==(const cell& other) const { return ch == other.ch && attr == other.attr; }
  bool operator!=(const cell& other) const { return !(*this == other); }
};

class frame {
 public:
  frame(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const cell& at(int x, int y) const { return cells_[y * width_ + x]; }

  void put(int x, int y, wchar_t ch, attribute attr);
  // Writes at most max_width characters (all of them when negative), clipped to the frame.
  void text(int x, int y, const std::wstring& text, attribute attr, int max_width = -1);
  // Inclusive corners.
  void fill(int x1, int y1, int x2, int y2, wchar_t ch, attribute attr);
  void box(int x1, int y1, int x2, int y2, bool double_line, attribute attr);
  // The host's shadow: two columns to the right of the rectangle and one row below it.
  void shadow(int x1, int y1, int x2, int y2);
  // A cursor that only colour shows on screen; text dumps print it as '>' in this cell.
  void mark(int x, int y) { marks_.insert({x, y}); }
  void clear();

  // One UTF-8 line per row, trailing blanks cut.
  std::string dump() const;

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_, height_;
  std::vector<cell> cells_;
  std::set<std::pair<int, int>> marks_;
};

}  // namespace try_host
