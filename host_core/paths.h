// Folder paths as the host keeps them: a root as "C:\", any other folder without a trailing
// backslash.
#pragma once

#include <string>

namespace host_core {

std::string normal_dir(std::string dir);
// Empty at a root.
std::string parent_dir(const std::string& dir);
std::string join_path(const std::string& dir, const std::string& name);
std::string last_name(const std::string& path);

}  // namespace host_core
