// How the host draws its panels, in the host's panel colours.
#pragma once

#include <string>

#include "console/frame.h"
#include "host_core/panel.h"

namespace try_host {

namespace panel_colours {
constexpr attribute border = 0x1B, title = 0x1B, focused_title = 0x30, column_title = 0x1E,
                    file = 0x1B, folder = 0x1F, selected = 0x1E, cursor = 0x30,
                    selected_cursor = 0x3E;
}

// The panel of either kind; `other` is the opposite panel, which info and quick view describe.
// Names are in the plugins' code page.
void draw_panel(frame& screen, const host_core::panel& shown, const host_core::panel& other,
                bool focused, unsigned code_page);

// The frame with its title and the separator above the status line.
void draw_panel_frame(frame& screen, const far_host::RECT& rect, const std::wstring& title,
                      bool focused);
// The directory or kind on the top frame line, highlighted on the focused panel.
void draw_panel_title(frame& screen, const far_host::RECT& rect, const std::wstring& title,
                      bool focused);
void draw_special_panel(frame& screen, const host_core::panel& shown, const host_core::panel& other,
                        bool focused, unsigned code_page);

// "1 234 567": the host's grouping of large numbers.
std::wstring grouped(unsigned long long number);

}  // namespace try_host
