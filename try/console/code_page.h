// Conversions between the plugin's 8-bit texts and the screen's characters.
#pragma once

#include <string>

namespace try_host {

std::wstring widen(const std::string& text, unsigned code_page);
std::string narrow(const std::wstring& text, unsigned code_page);

}  // namespace try_host
