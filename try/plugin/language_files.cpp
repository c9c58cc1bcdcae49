#include "plugin/language_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace try_host {

std::string read_whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string find_language_file(const std::string& dll_path, const std::string& extension,
                               const std::string& language) {
  const std::size_t cut = dll_path.find_last_of("\\/");
  const std::string folder = cut == std::string::npos ? "." : dll_path.substr(0, cut);
  const std::string wanted = ".Language=" + language + ",";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*." + extension).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  std::string match;
  do {
    const std::string path = folder + "\\" + found.cFileName;
    std::ifstream in(path, std::ios::binary);
    std::string first;
    std::getline(in, first);
    if (first.compare(0, wanted.size(), wanted) == 0) match = path;
  } while (match.empty() && FindNextFileA(search, &found));
  FindClose(search);
  return match;
}

}  // namespace try_host
