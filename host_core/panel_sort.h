// The host's orders of a panel's items: ".." first, folders before files, then the sort mode.
#pragma once

#include <cstdint>
#include <vector>

#include "host/far_api.h"

namespace host_core {

// The host's sort modes, numbered as PanelInfo reports them.
enum : int {
  SM_UNSORTED = 1,
  SM_NAME = 2,
  SM_EXT = 3,
  SM_MTIME = 4,
  SM_CTIME = 5,
  SM_ATIME = 6,
  SM_SIZE = 7
};
constexpr int last_sort_mode = 11;

// Names compare without case through a table of each byte's lower-case form, so that letters of
// the plugins' code page sort as the host's do; plain ASCII folding until a host sets another.
void set_name_folding(const unsigned char (&lower)[256]);

// Sorts items and their reading order (the unsorted mode's key) together.
void sort_items(std::vector<far_host::PluginPanelItem>& items, std::vector<std::uint32_t>& order,
                int mode, bool reversed);

}  // namespace host_core
