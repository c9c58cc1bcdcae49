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

// The keyboard a console's keys are typed on. A key keeps its place, and so its scan code, on
// every layout, while its virtual-key code is the layout's: the key under Esc is scan 0x29 with
// vk 0xC0 on a US keyboard, 0xDF on a UK one, 0xDC on a German one and 0xDE on a French one.
enum class keyboard_layout { us, uk, german, french };

}  // namespace host_core
