// The character the host speaks in: `char` in the host's code page for API 1.70, UTF-16 `wchar_t`
// for FAR 3. Each build compiles the plugin's logic once, for the characters of its host.
#pragma once

#include <cstddef>
#include <string_view>

namespace far_tolvane {

#if defined(TOLVANE_FAR3)
using host_char = wchar_t;
// A list line holds as many characters as a console is wide.
constexpr int list_line_room = 1024;
#else
using host_char = char;
// FarListItem's text field.
constexpr int list_line_room = 128;
#endif

using host_text = std::basic_string_view<host_char>;

inline std::size_t text_length(const host_char* text) {
  return std::char_traits<host_char>::length(text);
}

// A text the plugin holds itself, written in ASCII, in the host's characters.
template <std::size_t N>
struct ascii_text {
  host_char text[N] = {};
  // NOLINTNEXTLINE(google-explicit-constructor): stands for the literal it is made from.
  constexpr ascii_text(const char (&from)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = static_cast<host_char>(from[i]);
  }
  constexpr const host_char* c_str() const { return text; }
};

}  // namespace far_tolvane
