// Real folders and files, named in the host's code page: the OEM code page through the file
// APIs, as FAR 1.7x hands names to plugins, or UTF-8 through the wide calls, for FAR 3's names,
// which are Unicode.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host_core/panel.h"

namespace try_host {

// As host_core::read_real_folder, in either code page.
bool read_folder(const std::string& dir, bool with_up, std::vector<host_core::panel_item>& items,
                 unsigned code_page);
// A file opened for reading; INVALID_HANDLE_VALUE when it cannot be.
HANDLE open_to_read(const std::string& path, unsigned code_page);
// The process's current folder.
std::string current_folder(unsigned code_page);

}  // namespace try_host
