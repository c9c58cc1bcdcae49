#include "dialog/console_fit.h"

#include <algorithm>

#include "host/windows_api.h"

namespace far_tolvane {

dialog_size fit_console(dialog_size wanted, dialog_size smallest, bool quick_switch) {
  CONSOLE_SCREEN_BUFFER_INFO console{};
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &console)) return wanted;
  const int clear_columns = quick_switch ? 8 : 4;
  const int clear_rows = quick_switch ? 8 : 6;
  return {std::max(smallest.width, std::min(wanted.width, console.dwSize.X - clear_columns)),
          std::max(smallest.height, std::min(wanted.height, console.dwSize.Y - clear_rows))};
}

}  // namespace far_tolvane
