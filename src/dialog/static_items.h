// A plain fixed array of host records, handed to the host as a dialog's items, and the text
// of one such item.
#pragma once

#include <cstddef>
#include <cstring>

namespace far_tolvane {

template <typename T, std::size_t N>
struct static_items {
  T items[N];
};

// A dialog item's text, cut to the item's room and always ended.
inline void copy_text(char (&data)[512], const char* text) {
  std::strncpy(data, text, sizeof data - 1);
  data[sizeof data - 1] = '\0';
}

}  // namespace far_tolvane
