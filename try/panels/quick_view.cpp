#include "panels/quick_view.h"

#include <windows.h>

#include "panels/directory.h"

namespace try_host {

namespace {

constexpr DWORD bytes_shown = 8192;

std::vector<std::wstring> folder_lines(const std::wstring& path) {
  int files = 0, folders = 0;
  if (auto entries = read_directory(path))
    for (const entry& each : *entries)
      if (!each.is_up()) ++(each.is_dir() ? folders : files);
  return {L"Folder " + last_name(path), L"", L"  " + std::to_wstring(folders) + L" folders",
          L"  " + std::to_wstring(files) + L" files"};
}

// Bytes as Latin-1 text; control characters other than line ends become dots.
std::vector<std::wstring> file_lines(const std::wstring& path, int rows) {
  std::vector<std::wstring> lines(1);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
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

const std::vector<std::wstring>& quick_view_lines(const std::wstring& path, const entry& item,
                                                  int rows) {
  static std::wstring viewed;
  static std::uint64_t viewed_stamp = 0;
  static std::vector<std::wstring> lines;
  if (path == viewed && item.written == viewed_stamp && !lines.empty()) return lines;
  viewed = path;
  viewed_stamp = item.written;
  if (path.empty() || item.is_up())
    lines = {item.name};
  else
    lines = item.is_dir() ? folder_lines(path) : file_lines(path, rows);
  return lines;
}

}  // namespace try_host
