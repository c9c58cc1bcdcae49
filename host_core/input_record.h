// The console's input record, named without the system's headers, which would clash with the
// host records' own names where a file uses them unqualified; and its 20 bytes, in which events
// carry it.
#pragma once

#include <array>

#if defined(_WIN32)
struct _INPUT_RECORD;  // NOLINT(bugprone-reserved-identifier): the system's own name.
using INPUT_RECORD = _INPUT_RECORD;
#else
struct INPUT_RECORD;
#endif

namespace host_core {

using record_bytes = std::array<unsigned char, 20>;

}  // namespace host_core
