#include "host_core/key_names.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace host_core {

using namespace far_host;

int name_to_key(const char* name) {
  if (!name) return -1;
  std::string text = name;
  key_code modifiers = 0;
  for (auto [word, bit] : {std::pair<const char*, key_code>{"Ctrl", KEY_CTRL},
                           {"Alt", KEY_ALT},
                           {"Shift", KEY_SHIFT}}) {
    const std::size_t length = std::strlen(word);
    if (text.size() > length && text.compare(0, length, word) == 0) {
      modifiers |= bit;
      text.erase(0, length);
    }
  }
  static const std::map<std::string, key_code> base_names = {
      {"Enter", KEY_ENTER}, {"Esc", KEY_ESC},   {"Tab", KEY_TAB},    {"BS", 0x08},
      {"Space", KEY_SPACE}, {"Ins", KEY_INS},   {"Del", KEY_DEL},    {"Home", KEY_HOME},
      {"End", KEY_END},     {"PgUp", KEY_PGUP}, {"PgDn", KEY_PGDN},  {"Up", KEY_UP},
      {"Down", KEY_DOWN},   {"Left", KEY_LEFT}, {"Right", KEY_RIGHT}};
  key_code base = 0;
  if (auto found = base_names.find(text); found != base_names.end()) {
    base = found->second;
  } else if (text.size() == 4 && text.compare(0, 3, "Num") == 0 && text[3] >= '0' &&
             text[3] <= '9') {
    base = KEY_NUMPAD0 + static_cast<key_code>(text[3] - '0');
  } else if (text == "NumDel") {
    base = KEY_NUMDEL;
  } else if (text.size() >= 2 && text[0] == 'F' &&
             text.find_first_not_of("0123456789", 1) == std::string::npos) {
    const int number = std::atoi(text.c_str() + 1);
    if (number < 1 || number > 12) return -1;
    base = KEY_F1 + number - 1;
  } else if (text.size() == 1 && static_cast<unsigned char>(text[0]) > 0x20) {
    base = static_cast<unsigned char>(text[0]);
    if (base >= 'a' && base <= 'z') base -= 'a' - 'A';
  } else {
    return -1;
  }
  return static_cast<int>(modifiers | base);
}

char* trunc_path(char* text, int max_length) {
  const int length = static_cast<int>(std::strlen(text));
  if (max_length < 0 || length <= max_length) return text;
  const int root = 3;
  const char dots[] = "...";
  if (max_length <= root + 3) {
    text[max_length] = '\0';
    return text;
  }
  const int tail = max_length - root - 3;
  std::memmove(text + root + 3, text + length - tail, tail + 1);
  std::memcpy(text + root, dots, 3);
  return text;
}

}  // namespace host_core
