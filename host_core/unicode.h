// Texts between the model's UTF-8 and FAR 3's wide characters. wchar_t is UTF-16 on Windows and
// UTF-32 on Linux, where the native tests run, so each conversion is written for both widths.
#pragma once

#include <string>
#include <string_view>

namespace host_core {

// Malformed bytes become U+FFFD.
std::u16string utf16_of(std::string_view utf8);
std::u32string utf32_of(std::string_view utf8);
// A lone surrogate is written as the code unit it is, as the host would hand it on.
std::string utf8_of(std::u16string_view utf16);
std::string utf8_of(std::u32string_view utf32);

// In the width of this build's wchar_t.
std::wstring wide_of(std::string_view utf8);
std::string utf8_of(std::wstring_view wide);
// Null counts as empty, as the host takes a null text.
std::string utf8_of(const wchar_t* wide);
std::u16string utf16_of(std::wstring_view wide);
std::wstring wide_of(std::u16string_view utf16);

bool is_utf8(std::string_view bytes);
// The console's OEM code page of a Russian system, in which the project's Russian files are.
std::string utf8_of_cp866(std::string_view bytes);

}  // namespace host_core
