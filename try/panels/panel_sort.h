// The host's orders of a listing: ".." first, folders before files, then the sort mode.
#pragma once

#include <vector>

#include "panels/panel.h"

namespace try_host {

void sort_entries(std::vector<entry>& entries, int mode, bool reversed);

}  // namespace try_host
