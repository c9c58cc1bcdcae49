// Keys as FAR 3 hands them to a plugin: the console's input records and FAR's names for them.
#pragma once

#include <optional>
#include <string>

#include "host/far3_api.h"
#include "host_core/input_record.h"

namespace host_core {

using far3_host::INPUT_RECORD;

// Console event kinds and key-state bits beyond what the plugin's own declarations name.
constexpr unsigned short focus_event = 0x10;
constexpr unsigned enhanced_key = 0x100;
constexpr unsigned mouse_hwheeled = 0x8;

// The record a keyboard of the layout puts into the console for a key named as FAR names it: a
// grey navigation key with ENHANCED_KEY, its NumPad twin ("Num2") without, "Ctrl`" as scan 0x29
// with Ctrl and the layout's virtual key for that place (vk 0xC0 on a US keyboard), "MsWheelDown"
// a wheel notch. Nothing for an unknown name, or for a key the layout has not in that place.
std::optional<INPUT_RECORD> typed_record(const std::string& name,
                                         keyboard_layout layout = keyboard_layout::us);
// A wheel turn of `delta` (120 a notch, positive away from the user) over a screen cell.
INPUT_RECORD wheel_record(int delta, int x, int y, unsigned modifiers = 0);
// Ctrl going down or up on its own, as the console reports it.
INPUT_RECORD ctrl_record(bool down);

record_bytes bytes_of(const INPUT_RECORD& record);
INPUT_RECORD record_of(const record_bytes& bytes);

// FAR's name of one record judged alone (FarInputRecordToName): empty for no key. Every
// modifier release is named after the modifier. An OEM key is named by its place, its scan code
// (as the US character there), whatever the layout; a record without a scan code by its
// virtual key, as on a US keyboard.
std::string record_name(const INPUT_RECORD& record);

}  // namespace host_core
