#include "console/code_page.h"

#include <windows.h>

namespace try_host {

std::wstring widen(const std::string& text, unsigned code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string narrow(const std::wstring& text, unsigned code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string bytes(
      WideCharToMultiByte(code_page, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

}  // namespace try_host
