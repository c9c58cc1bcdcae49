// Real folders and key state through Win32, for the hosts that run the DLL under Wine.
#pragma once

#include <string>
#include <vector>

#include "host_core/panel.h"

namespace host_core {

// The folder's items as FindFirstFileA gives them, in the file APIs' code page, after ".." when
// asked for and the folder is not a root; false when it is not a folder.
bool read_real_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items);

// Ctrl as the plugin's GetKeyState reads it: the keyboard state of this thread.
void set_ctrl_key(bool down);

}  // namespace host_core
