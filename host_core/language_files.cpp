#include "host_core/language_files.h"

#include <fstream>
#include <sstream>

namespace host_core {

std::vector<std::string> read_language_file(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] != '"') continue;
    const std::size_t end = line.rfind('"');
    lines.push_back(end > 0 ? line.substr(1, end - 1) : std::string());
  }
  return lines;
}

std::string read_whole_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string language_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string first;
  std::getline(in, first);
  // FAR 3's files may start with UTF-8's byte-order mark.
  if (first.compare(0, 3, "\xEF\xBB\xBF") == 0) first.erase(0, 3);
  const std::string mark = ".Language=";
  if (first.compare(0, mark.size(), mark) != 0) return {};
  const std::size_t end = first.find(',', mark.size());
  return first.substr(mark.size(),
                      end == std::string::npos ? std::string::npos : end - mark.size());
}

}  // namespace host_core
