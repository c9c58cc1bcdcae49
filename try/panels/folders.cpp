#include "panels/folders.h"

#include "console/code_page.h"
#include "host_core/real_folders.h"

namespace try_host {

using host_core::panel_item;

bool read_folder(const std::string& dir, bool with_up, std::vector<panel_item>& items,
                 unsigned code_page) {
  if (code_page == CP_UTF8) return host_core::read_real_folder_utf8(dir, with_up, items);
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
