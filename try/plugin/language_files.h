// The plugin's language and help files, found as the host finds them: by the .Language line of
// each file of the kind beside the DLL.
#pragma once

#include <string>

namespace try_host {

// The path of the file, or empty when none is written for the language.
std::string find_language_file(const std::string& dll_path, const std::string& extension,
                               const std::string& language);
std::string read_whole_file(const std::string& path);

}  // namespace try_host
