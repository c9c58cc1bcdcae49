// The codes hosts report for one key differ: FAR 1.75 and FAR 3 give the NumPad's navigation keys
// codes of their own and report Ctrl with the key under Esc as '`' (or its virtual-key code).
// The list's key table and key macros speak of the grey keys and of '~'.
#pragma once

#include "host/key_codes.h"
#include "host/windows_api.h"

namespace far_tolvane {

// The key as the list's key table names it: a NumPad key as its grey twin, Ctrl with '`' as
// Ctrl with '~'; modifiers are kept, any other code is returned as it is.
far_host::key_code table_key(far_host::key_code reported);

// Whether a console record's key is the key under Esc. FAR knows it by its place, scan code
// 0x29, whatever virtual key the layout gives it (0xC0 on a US keyboard, 0xDF on a UK one, 0xDC
// on a German one, 0xDE on a French one; elsewhere 0xC0 is another key, the German Ö); a record
// written without a scan code, by a macro or a tool, by the US key's virtual key.
bool is_key_under_esc(const KEY_EVENT_RECORD& key);

// FAR 3 hands a wheel turn over a dialog in as a mouse event, FAR 1.7x as a key: the key it
// would be, or 0 for any other mouse event.
far_host::key_code wheel_key(const MOUSE_EVENT_RECORD* record);

}  // namespace far_tolvane
