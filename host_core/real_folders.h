// Real folders and key state through Win32, for the hosts that run the DLL under Wine.
#pragma once

#include <string>
#include <vector>

#include "host_core/panel.h"

namespace host_core {

// The folder's items as FindFirstFileA gives them, in the file APIs' code page, after ".." when
// asked for and the folder is not a root; false when it is not a folder.
bool read_real_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items);

// The same for FAR 3's model, whose texts are UTF-8: the folder is read with the wide calls, past
// the classic path limit too, and each name kept whole in UTF-8 (one of more than 259 bytes is
// cut, as the model's record holds no more).
bool read_real_folder_utf8(const std::string& dir, bool with_up, std::vector<panel_item>& items);
// A path for the wide file calls: the prefix that lifts the classic limit before a full one.
std::wstring long_path(const std::string& utf8_path);

// Ctrl as the plugin's GetKeyState reads it: the keyboard state of this thread.
void set_ctrl_key(bool down);

}  // namespace host_core
