// The plugin's texts, from the language file the host chose.
#pragma once

#include "host/host_char.h"

namespace far_tolvane {

// The host's own text, valid while the host keeps the language.
const host_char* GetMsg(int id);

}  // namespace far_tolvane
