#include "host_core/real_folders.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "host_core/paths.h"
#include "host_core/unicode.h"

namespace host_core {

bool read_real_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items) {
  const DWORD attributes = GetFileAttributesA(dir.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  items.clear();
  if (with_up && !parent_dir(dir).empty())
    items.push_back(make_item("..", FILE_ATTRIBUTE_DIRECTORY));
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(join_path(dir, "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  do {
    if (!std::strcmp(found.cFileName, ".") || !std::strcmp(found.cFileName, "..")) continue;
    items.emplace_back();
    panel_item& item = items.back();
    item = panel_item{};
    // The host's record is the system's, packed to 2 bytes: the fields are copied one by one.
    auto& data = item.FindData;
    data.dwFileAttributes = found.dwFileAttributes;
    data.ftCreationTime = {found.ftCreationTime.dwLowDateTime, found.ftCreationTime.dwHighDateTime};
    data.ftLastAccessTime = {found.ftLastAccessTime.dwLowDateTime,
                             found.ftLastAccessTime.dwHighDateTime};
    data.ftLastWriteTime = {found.ftLastWriteTime.dwLowDateTime,
                            found.ftLastWriteTime.dwHighDateTime};
    data.nFileSizeHigh = found.nFileSizeHigh;
    data.nFileSizeLow = found.nFileSizeLow;
    std::memcpy(data.cFileName, found.cFileName, sizeof data.cFileName);
    std::memcpy(data.cAlternateFileName, found.cAlternateFileName, sizeof data.cAlternateFileName);
    item.NumberOfLinks = 1;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return true;
}

std::wstring long_path(const std::string& utf8_path) {
  const std::wstring wide = wide_of(utf8_path);
  if (wide.size() > 2 && wide[0] == L'\\' && wide[1] == L'\\')
    return wide.compare(0, 4, L"\\\\?\\") == 0 ? wide : L"\\\\?\\UNC" + wide.substr(1);
  return wide.size() > 2 && wide[1] == L':' ? L"\\\\?\\" + wide : wide;
}

bool read_real_folder_utf8(const std::string& dir, bool with_up, std::vector<panel_item>& items) {
  const std::wstring wide = long_path(dir);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  items.clear();
  if (with_up && !parent_dir(dir).empty())
    items.push_back(make_item("..", FILE_ATTRIBUTE_DIRECTORY));
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((wide + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  do {
    if (!std::wcscmp(found.cFileName, L".") || !std::wcscmp(found.cFileName, L"..")) continue;
    panel_item item = make_item(utf8_of(found.cFileName), found.dwFileAttributes);
    auto& data = item.FindData;
    data.ftCreationTime = {found.ftCreationTime.dwLowDateTime, found.ftCreationTime.dwHighDateTime};
    data.ftLastAccessTime = {found.ftLastAccessTime.dwLowDateTime,
                             found.ftLastAccessTime.dwHighDateTime};
    data.ftLastWriteTime = {found.ftLastWriteTime.dwLowDateTime,
                            found.ftLastWriteTime.dwHighDateTime};
    data.nFileSizeHigh = found.nFileSizeHigh;
    data.nFileSizeLow = found.nFileSizeLow;
    item.NumberOfLinks = 1;
    items.push_back(item);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

void set_ctrl_key(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace host_core
