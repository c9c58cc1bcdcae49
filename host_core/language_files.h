// The plugin's language and help files as the host reads them.
#pragma once

#include <string>
#include <vector>

namespace host_core {

// The quoted message lines of a language file, in order.
std::vector<std::string> read_language_file(const std::string& path);
std::string read_whole_file(const std::string& path);
// The language a file is written for, from its first line ".Language=Name,Title".
std::string language_of(const std::string& path);

}  // namespace host_core
