// What the quick view shows for an item: the start of a file as text, or a folder's counts.
#pragma once

#include <string>
#include <vector>

#include "host_core/panel.h"

namespace try_host {

// Read once per item and kept, since the screen is drawn again many times a second. The path is
// in the file APIs' code page, which is the plugins'.
const std::vector<std::wstring>& quick_view_lines(const std::string& path,
                                                  const host_core::panel_item& item, int rows,
                                                  unsigned code_page);

}  // namespace try_host
