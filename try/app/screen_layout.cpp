// The host's lines around the panels: the title line, the command line and the key bar, which
// shows the Ctrl keys while Ctrl counts as held.
#include "app/host_app.h"

namespace try_host {

namespace {

constexpr attribute title_colour = 0x30, prompt_colour = 0x07, key_number = 0x07, key_label = 0x30;

const wchar_t* const plain_labels[12] = {L"Help", L"", L"", L"",     L"",       L"",
                                         L"",     L"", L"", L"Quit", L"Plugin", L""};
const wchar_t* const ctrl_labels[12] = {L"",       L"",     L"Name",   L"Extens",
                                        L"Modif",  L"Size", L"Unsort", L"Creatn",
                                        L"Access", L"",     L"",       L""};

}  // namespace

void host_app::draw_title() {
  screen_.fill(0, 0, width() - 1, 0, L' ', title_colour);
  screen_.text(1, 0, text(panels[active].dir) + L" - Tolvane try host", title_colour, width() - 2);
}

void host_app::draw_command_line() {
  screen_.text(0, height() - 2, text(panels[active].dir) + L">", prompt_colour);
}

void host_app::draw_key_bar() {
  const int y = height() - 1;
  const int slot = width() / 12;
  const wchar_t* const* labels = ctrl_shown_ ? ctrl_labels : plain_labels;
  for (int i = 0; i < 12; ++i) {
    const int x = i * slot;
    const int end = i == 11 ? width() : x + slot;
    const std::wstring number = std::to_wstring(i + 1);
    screen_.text(x, y, number, key_number);
    screen_.fill(x + static_cast<int>(number.size()), y, end - 1, y, L' ', key_label);
    screen_.text(x + static_cast<int>(number.size()), y, labels[i], key_label,
                 end - x - static_cast<int>(number.size()));
  }
}

}  // namespace try_host
