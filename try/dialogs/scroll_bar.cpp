#include "dialogs/scroll_bar.h"

#include <algorithm>

namespace try_host {

void draw_scroll_bar(frame& screen, int x, int y, int rows, int count, int top, attribute attr) {
  if (rows < 3 || count <= rows) return;
  screen.put(x, y, L'▲', attr);
  screen.put(x, y + rows - 1, L'▼', attr);
  const int track = rows - 2;
  const int thumb = std::min(track - 1, top * track / std::max(1, count - rows));
  for (int i = 0; i < track; ++i) screen.put(x, y + 1 + i, i == thumb ? L'█' : L'░', attr);
}

}  // namespace try_host
