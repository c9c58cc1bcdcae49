#include "panels/quick_view.h"

#include <windows.h>

#include "console/code_page.h"
#include "host_core/paths.h"
#include "panels/folders.h"

namespace try_host {

using host_core::panel_item;

namespace {

constexpr DWORD bytes_shown = 8192;

std::vector<std::wstring> folder_lines(const std::string& path, unsigned code_page) {
  int files = 0, folders = 0;
  std::vector<panel_item> items;
  if (read_folder(path, false, items, code_page))
    for (const panel_item& each : items) ++(host_core::is_dir(each) ? folders : files);
  return {L"Folder " + widen(host_core::last_name(path), code_page), L"",
          L"  " + std::to_wstring(folders) + L" folders",
          L"  " + std::to_wstring(files) + L" files"};
}

// Bytes as Latin-1 text; control characters other than line ends become dots.
std::vector<std::wstring> file_lines(const std::string& path, int rows, unsigned code_page) {
  std::vector<std::wstring> lines(1);
  HANDLE file = open_to_read(path, code_page);
  if (file == INVALID_HANDLE_VALUE) return {L"(cannot be read)"};
  char buffer[bytes_shown];
  DWORD read = 0;
  ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  for (DWORD i = 0; i < read && static_cast<int>(lines.size()) <= rows; ++i) {
    const auto byte = static_cast<unsigned char>(buffer[i]);
    if (byte == '\n')
      lines.emplace_back();
    else if (byte == '\t')
      lines.back() += L"    ";
    else if (byte != '\r')
      lines.back() += byte < 0x20 ? L'.' : static_cast<wchar_t>(byte);
  }
  return lines;
}

}  // namespace

const std::vector<std::wstring>& quick_view_lines(const std::string& path, const panel_item& item,
                                                  int rows, unsigned code_page) {
  static std::string viewed;
  static std::uint64_t viewed_stamp = 0;
  static std::vector<std::wstring> lines;
  const auto& written = item.FindData.ftLastWriteTime;
  const std::uint64_t stamp = (std::uint64_t{written.dwHighDateTime} << 32) | written.dwLowDateTime;
  if (path == viewed && stamp == viewed_stamp && !lines.empty()) return lines;
  viewed = path;
  viewed_stamp = stamp;
  if (path.empty() || host_core::is_up(item))
    lines = {widen(item.FindData.cFileName, code_page)};
  else
    lines =
        host_core::is_dir(item) ? folder_lines(path, code_page) : file_lines(path, rows, code_page);
  return lines;
}

}  // namespace try_host
