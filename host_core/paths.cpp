#include "host_core/paths.h"

namespace host_core {

std::string normal_dir(std::string dir) {
  while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  if (dir.size() == 2 && dir[1] == ':') dir += '\\';
  return dir;
}

std::string parent_dir(const std::string& dir) {
  const std::string normal = normal_dir(dir);
  const std::size_t cut = normal.find_last_of('\\');
  if (cut == std::string::npos || cut + 1 == normal.size()) return {};
  return normal_dir(normal.substr(0, cut + 1));
}

std::string join_path(const std::string& dir, const std::string& name) {
  return dir.empty() || dir.back() == '\\' ? dir + name : dir + "\\" + name;
}

std::string last_name(const std::string& path) {
  const std::string normal = normal_dir(path);
  const std::size_t cut = normal.find_last_of('\\');
  return cut == std::string::npos || cut + 1 == normal.size() ? normal : normal.substr(cut + 1);
}

}  // namespace host_core
