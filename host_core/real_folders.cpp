#include "host_core/real_folders.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "host_core/paths.h"
#include "host_core/unicode.h"

namespace host_core {

namespace {

// The file calls of the file APIs' code page; the host's record takes their names as they are.
struct narrow_calls {
  using found_data = WIN32_FIND_DATAA;
  std::string dir;

  DWORD attributes() const { return GetFileAttributesA(dir.c_str()); }
  HANDLE find_first(found_data& found) const {
    return FindFirstFileA(join_path(dir, "*").c_str(), &found);
  }
  static BOOL find_next(HANDLE search, found_data& found) { return FindNextFileA(search, &found); }
  static bool dots(const found_data& found) {
    return !std::strcmp(found.cFileName, ".") || !std::strcmp(found.cFileName, "..");
  }
  static panel_item named(const found_data& found) {
    panel_item item{};
    // The host's record is the system's, packed to 2 bytes: the fields are copied one by one.
    item.FindData.dwFileAttributes = found.dwFileAttributes;
    std::memcpy(item.FindData.cFileName, found.cFileName, sizeof item.FindData.cFileName);
    std::memcpy(item.FindData.cAlternateFileName, found.cAlternateFileName,
                sizeof item.FindData.cAlternateFileName);
    return item;
  }
};

// The wide file calls, past the classic path limit; names kept in UTF-8.
struct wide_calls {
  using found_data = WIN32_FIND_DATAW;
  std::wstring dir;

  DWORD attributes() const { return GetFileAttributesW(dir.c_str()); }
  HANDLE find_first(found_data& found) const {
    return FindFirstFileW((dir + L"\\*").c_str(), &found);
  }
  static BOOL find_next(HANDLE search, found_data& found) { return FindNextFileW(search, &found); }
  static bool dots(const found_data& found) {
    return !std::wcscmp(found.cFileName, L".") || !std::wcscmp(found.cFileName, L"..");
  }
  static panel_item named(const found_data& found) {
    return make_item(utf8_of(found.cFileName), found.dwFileAttributes);
  }
};

template <typename Calls>
bool read_folder(const Calls& calls, const std::string& dir, bool with_up,
                 std::vector<panel_item>& items) {
  const DWORD attributes = calls.attributes();
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  items.clear();
  if (with_up && !parent_dir(dir).empty())
    items.push_back(make_item("..", FILE_ATTRIBUTE_DIRECTORY));
  typename Calls::found_data found;
  HANDLE search = calls.find_first(found);
  if (search == INVALID_HANDLE_VALUE) return true;
  do {
    if (Calls::dots(found)) continue;
    panel_item item = Calls::named(found);
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
  } while (Calls::find_next(search, found));
  FindClose(search);
  return true;
}

}  // namespace

bool read_real_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items) {
  return read_folder(narrow_calls{dir}, dir, with_up, items);
}

std::wstring long_path(const std::string& utf8_path) {
  const std::wstring wide = wide_of(utf8_path);
  if (wide.size() > 2 && wide[0] == L'\\' && wide[1] == L'\\')
    return wide.compare(0, 4, L"\\\\?\\") == 0 ? wide : L"\\\\?\\UNC" + wide.substr(1);
  return wide.size() > 2 && wide[1] == L':' ? L"\\\\?\\" + wide : wide;
}

bool read_real_folder_utf8(const std::string& dir, bool with_up, std::vector<panel_item>& items) {
  return read_folder(wide_calls{long_path(dir)}, dir, with_up, items);
}

void set_ctrl_key(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace host_core
