#include "e2e/simulator.h"

#include <windows.h>

#include <cwchar>

#include "host_core/real_folders.h"

namespace sim {

void context_base::check(bool ok, const char* what, const char* file, int line) {
  if (ok) return;
  ++failures;
  std::printf("    failed: %s (%s:%d)\n", what, file, line);
}

int usage(const char* program) {
  std::printf("usage: %s Tolvane.dll [scenario]\n", program);
  return 2;
}

std::string folder_of(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? "." : path.substr(0, cut);
}

void remove_tree(const std::wstring& dir) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!std::wcscmp(found.cFileName, L".") || !std::wcscmp(found.cFileName, L"..")) continue;
      const std::wstring path = dir + L"\\" + found.cFileName;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        remove_tree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(dir.c_str());
}

void make_scratch(const run_settings& settings) {
  remove_tree(settings.scratch);
  CreateDirectoryW(settings.scratch.c_str(), nullptr);
  if (settings.reset) settings.reset();
  host_core::set_ctrl_key(false);
}

void remove_scratch(const run_settings& settings) {
  remove_tree(settings.scratch);
  if (settings.reset) settings.reset();
}

}  // namespace sim
