#include "panels/directory.h"

#include <windows.h>

namespace try_host {

namespace {

std::uint64_t time_value(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool is_root(const std::wstring& dir) { return dir.size() <= 3 && parent_dir(dir).empty(); }

}  // namespace

std::wstring normal_dir(std::wstring dir) {
  while (dir.size() > 3 && (dir.back() == L'\\' || dir.back() == L'/')) dir.pop_back();
  if (dir.size() == 2 && dir[1] == L':') dir += L'\\';
  return dir;
}

std::wstring parent_dir(const std::wstring& dir) {
  const std::wstring normal = normal_dir(dir);
  const std::size_t cut = normal.find_last_of(L'\\');
  if (cut == std::wstring::npos || cut + 1 == normal.size()) return {};
  return normal_dir(normal.substr(0, cut + 1));
}

std::wstring join_path(const std::wstring& dir, const std::wstring& name) {
  return dir.empty() || dir.back() == L'\\' ? dir + name : dir + L"\\" + name;
}

std::wstring last_name(const std::wstring& path) {
  const std::wstring normal = normal_dir(path);
  const std::size_t cut = normal.find_last_of(L'\\');
  return cut == std::wstring::npos || cut + 1 == normal.size() ? normal : normal.substr(cut + 1);
}

bool is_directory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::vector<entry>> read_directory(const std::wstring& dir) {
  if (!is_directory(dir)) return std::nullopt;
  std::vector<entry> entries;
  if (!is_root(dir)) {
    entry up;
    up.name = L"..";
    up.attributes = FILE_ATTRIBUTE_DIRECTORY;
    entries.push_back(up);
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(join_path(dir, L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    entry item;
    item.name = name;
    item.attributes = found.dwFileAttributes;
    item.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    item.created = time_value(found.ftCreationTime);
    item.accessed = time_value(found.ftLastAccessTime);
    item.written = time_value(found.ftLastWriteTime);
    item.order = static_cast<int>(entries.size());
    entries.push_back(item);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

}  // namespace try_host
