// The host's vertical scroll bar beside a list longer than its window.
#pragma once

#include "console/frame.h"

namespace try_host {

void draw_scroll_bar(frame& screen, int x, int y, int rows, int count, int top, attribute attr);

}  // namespace try_host
