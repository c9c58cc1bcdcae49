// What the quick view shows for an item: the start of a file as text, or a folder's counts.
#pragma once

#include <string>
#include <vector>

#include "panels/panel.h"

namespace try_host {

// Read once per item and kept, since the screen is drawn again many times a second.
const std::vector<std::wstring>& quick_view_lines(const std::wstring& path, const entry& item,
                                                  int rows);

}  // namespace try_host
