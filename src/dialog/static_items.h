// A plain fixed array of host records, handed to the host as a dialog's items.
#pragma once

#include <cstddef>

namespace far_tolvane {

template <typename T, std::size_t N>
struct static_items {
  T items[N];
};

}  // namespace far_tolvane
