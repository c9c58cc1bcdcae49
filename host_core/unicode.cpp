#include "host_core/unicode.h"

#include <array>

namespace host_core {

namespace {

constexpr char32_t replacement = 0xFFFD;

// The next code point of a UTF-8 text, or U+FFFD for a malformed sequence (one byte consumed).
char32_t next_code_point(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07u;
  } else {
    return replacement;
  }
  if (at + static_cast<std::size_t>(extra) > text.size()) return replacement;
  for (int i = 0; i < extra; ++i) {
    const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) return replacement;
    value = (value << 6) | (next & 0x3Fu);
  }
  static constexpr char32_t least[] = {0, 0x80, 0x800, 0x10000};
  if (value < least[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return replacement;
  at += static_cast<std::size_t>(extra);
  return value;
}

void append_utf8(std::string& out, char32_t c) {
  auto byte = [&out](char32_t b) { out.push_back(static_cast<char>(b)); };
  if (c < 0x80) {
    byte(c);
  } else if (c < 0x800) {
    byte(0xC0 | (c >> 6));
    byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
    byte(0x80 | (c & 0x3F));
  }
}

void append_utf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

// The upper half of code page 866: Cyrillic letters, box drawing and a few signs.
constexpr std::array<char16_t, 128> cp866_upper = {
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B,
    0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433,
    0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B,
    0x044C, 0x044D, 0x044E, 0x044F, 0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0};

}  // namespace

std::u16string utf16_of(std::string_view utf8) {
  std::u16string out;
  for (std::size_t at = 0; at < utf8.size();) append_utf16(out, next_code_point(utf8, at));
  return out;
}

std::u32string utf32_of(std::string_view utf8) {
  std::u32string out;
  for (std::size_t at = 0; at < utf8.size();) out.push_back(next_code_point(utf8, at));
  return out;
}

std::string utf8_of(std::u16string_view utf16) {
  std::string out;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    const char32_t unit = utf16[i];
    const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < utf16.size() &&
                      utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000;
    if (pair) {
      append_utf8(out, 0x10000 + ((unit - 0xD800) << 10) + (utf16[i + 1] - 0xDC00u));
      ++i;
    } else {
      append_utf8(out, unit);
    }
  }
  return out;
}

std::string utf8_of(std::u32string_view utf32) {
  std::string out;
  for (const char32_t c : utf32) append_utf8(out, c);
  return out;
}

std::wstring wide_of(std::string_view utf8) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    const std::u16string units = utf16_of(utf8);
    return {units.begin(), units.end()};
  } else {
    const std::u32string units = utf32_of(utf8);
    return {units.begin(), units.end()};
  }
}

std::string utf8_of(std::wstring_view wide) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    return utf8_of(std::u16string(wide.begin(), wide.end()));
  } else {
    return utf8_of(std::u32string(wide.begin(), wide.end()));
  }
}

std::string utf8_of(const wchar_t* wide) {
  return wide ? utf8_of(std::wstring_view(wide)) : std::string();
}

std::u16string utf16_of(std::wstring_view wide) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    return {wide.begin(), wide.end()};
  } else {
    std::u16string out;
    for (const wchar_t c : wide) append_utf16(out, static_cast<char32_t>(c));
    return out;
  }
}

std::wstring wide_of(std::u16string_view utf16) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    return {utf16.begin(), utf16.end()};
  } else {
    std::wstring out;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
      const char32_t unit = utf16[i];
      const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < utf16.size() &&
                        utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000;
      // A lone surrogate stays the unit it was.
      out.push_back(static_cast<wchar_t>(
          pair ? 0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00u) : unit));
    }
    return out;
  }
}

bool is_utf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t from = at;
    if (next_code_point(bytes, at) == replacement && bytes.substr(from, 3) != "\xEF\xBF\xBD")
      return false;
  }
  return true;
}

std::string utf8_of_cp866(std::string_view bytes) {
  std::string out;
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    append_utf8(out, b < 0x80 ? b : cp866_upper[b - 0x80u]);
  }
  return out;
}

}  // namespace host_core
