#include "panels/folders.h"

#include <algorithm>
#include <cstring>

#include "console/code_page.h"
#include "host_core/paths.h"
#include "host_core/real_folders.h"

namespace try_host {

using host_core::panel_item;

namespace {

// Cut to the record's room on a whole character.
void copy_name(char* to, std::size_t room, const std::string& name) {
  std::size_t length = std::min(name.size(), room - 1);
  while (length > 0 && length < name.size() && (name[length] & 0xC0) == 0x80) --length;
  std::memcpy(to, name.data(), length);
  to[length] = '\0';
}

bool read_utf8_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items) {
  const std::wstring wide_dir = widen(dir, CP_UTF8);
  const DWORD attributes = GetFileAttributesW(wide_dir.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  items.clear();
  if (with_up && !host_core::parent_dir(dir).empty())
    items.push_back(host_core::make_item("..", FILE_ATTRIBUTE_DIRECTORY));
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(widen(host_core::join_path(dir, "*"), CP_UTF8).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  do {
    if (!std::wcscmp(found.cFileName, L".") || !std::wcscmp(found.cFileName, L"..")) continue;
    items.emplace_back();
    panel_item& item = items.back();
    item = panel_item{};
    auto& data = item.FindData;
    data.dwFileAttributes = found.dwFileAttributes;
    data.ftCreationTime = {found.ftCreationTime.dwLowDateTime, found.ftCreationTime.dwHighDateTime};
    data.ftLastAccessTime = {found.ftLastAccessTime.dwLowDateTime,
                             found.ftLastAccessTime.dwHighDateTime};
    data.ftLastWriteTime = {found.ftLastWriteTime.dwLowDateTime,
                            found.ftLastWriteTime.dwHighDateTime};
    data.nFileSizeHigh = found.nFileSizeHigh;
    data.nFileSizeLow = found.nFileSizeLow;
    copy_name(data.cFileName, sizeof data.cFileName, narrow(found.cFileName, CP_UTF8));
    copy_name(data.cAlternateFileName, sizeof data.cAlternateFileName,
              narrow(found.cAlternateFileName, CP_UTF8));
    item.NumberOfLinks = 1;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

}  // namespace

bool read_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items,
                 unsigned code_page) {
  if (code_page == CP_UTF8) return read_utf8_folder(dir, with_up, items);
  return host_core::read_real_folder(dir, with_up, items);
}

HANDLE open_to_read(const std::string& path, unsigned code_page) {
  if (code_page == CP_UTF8)
    return CreateFileW(widen(path, CP_UTF8).c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, 0, nullptr);
}

std::string current_folder(unsigned code_page) {
  wchar_t current[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, current);
  return narrow(current, code_page);
}

}  // namespace try_host
