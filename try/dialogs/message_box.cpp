#include "dialogs/message_box.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "dialogs/dialog_window.h"

namespace try_host {

using namespace far_host;

namespace {

FarDialogItem item(int type, int x1, int y1, int x2, int y2, const char* text) {
  FarDialogItem made{};
  made.Type = type;
  made.X1 = x1;
  made.Y1 = y1;
  made.X2 = x2;
  made.Y2 = y2;
  std::strncpy(made.Data, text ? text : "", sizeof made.Data - 1);
  return made;
}

}  // namespace

int show_message(window_host& screen, host_core::dialog_host& host, far_host::DWORD flags,
                 const char* const* items, int count, int buttons) {
  if (count < 1) return -1;
  buttons = std::clamp(buttons, 0, count - 1);
  const int lines = count - 1 - buttons;
  // Measured as shown: a UTF-8 text has fewer characters than bytes.
  auto shown_length = [&](const char* text) { return static_cast<int>(screen.text(text).size()); };
  int inner = shown_length(items[0]) + 2;
  for (int i = 1; i <= lines; ++i) inner = std::max(inner, shown_length(items[i]));
  int row_of_buttons = -1;
  for (int i = count - buttons; i < count; ++i) row_of_buttons += shown_length(items[i]) + 5;
  inner = std::min(std::max(inner, row_of_buttons), screen.width() - 10);
  const int width = inner + 10;
  const int height = lines + (buttons ? 1 : 0) + 4;

  std::vector<FarDialogItem> dialog_items;
  dialog_items.push_back(item(DI_DOUBLEBOX, 3, 1, width - 4, height - 2, items[0]));
  for (int i = 1; i <= lines; ++i) dialog_items.push_back(item(DI_TEXT, -1, 1 + i, 0, 0, items[i]));
  const int first_button = static_cast<int>(dialog_items.size());
  for (int i = count - buttons; i < count; ++i) {
    FarDialogItem button = item(DI_BUTTON, 0, height - 3, 0, 0, items[i]);
    button.Flags = DIF_CENTERGROUP;
    button.Focus = i == count - buttons;
    dialog_items.push_back(button);
  }
  dialog_window box(
      screen, host,
      {-1, -1, width, height, "", dialog_items.data(), static_cast<int>(dialog_items.size()),
       (flags & FMSG_WARNING) ? FDLG_WARNING : 0, nullptr});
  screen.open_window(&box);
  int chosen = -1;
  if (buttons) {
    const int code = box.run(0);
    chosen = code >= first_button ? code - first_button : -1;
  } else {
    screen.redraw();
  }
  screen.close_window(&box);
  return chosen;
}

}  // namespace try_host
