// The host simulators' memory, kept apart from the plugin's: what the C runtime heap holds is
// the plugin's alone.
#pragma once

#include <cstddef>

namespace sim {

// Bytes in use in the C runtime heap, which the plugin allocates from.
std::size_t crt_heap_in_use();

}  // namespace sim
