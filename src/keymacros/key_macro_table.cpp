#include "keymacros/key_macro_table.h"

#include <cstring>

#include "host/message_ids.h"
#include "host/windows_api.h"
#include "plugin/host_api.h"

namespace far_tolvane {
namespace {

constexpr DWORD user_name_buffer_size = 260;

struct default_macro {
  const char* key;
  int description_id;
};

constexpr default_macro default_macros[] = {
    {"CtrlF3", far_host::MNoticeClone},       {"CtrlF4", far_host::MMacroDelete},
    {"CtrlShiftF4", far_host::MNoticeNew},    {"Ctrl~", far_host::MMacroNext},
    {"CtrlShift~", far_host::MMacroPrevious},
};

// Closes the key when it leaves scope, so that no path leaks a registry handle.
class registry_key {
 public:
  registry_key() = default;
  registry_key(const registry_key&) = delete;
  registry_key& operator=(const registry_key&) = delete;
  ~registry_key() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The whole value even when it is longer than the usual buffer: a cut name would select
// another user's area.
std::string environment_value(const char* name) {
  std::vector<char> buffer(user_name_buffer_size);
  DWORD length = GetEnvironmentVariableA(name, buffer.data(), user_name_buffer_size);
  if (length >= user_name_buffer_size) {
    buffer.resize(length);
    length = GetEnvironmentVariableA(name, buffer.data(), length);
    if (length >= buffer.size()) return {};
  }
  return std::string(buffer.data(), length);
}

void set_string(HKEY key, const char* name, const char* text) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(std::strlen(text) + 1));
}

void write_macro(HKEY area, const default_macro& macro) {
  registry_key entry;
  if (RegCreateKeyExA(area, macro.key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      entry.out(), nullptr) != ERROR_SUCCESS)
    return;
  set_string(entry.get(), "Description", GetMsg(macro.description_id));
  set_string(entry.get(), "Sequence", macro.key);
  const DWORD disable_output = 1;
  RegSetValueExA(entry.get(), "DisableOutput", 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&disable_output), sizeof disable_output);
}

// A missing, non-text or unreadable value yields false; a stored text without its terminating
// zero is read within its size.
bool read_sequence_text(HKEY entry, std::string& text) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(entry, "Sequence", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return false;
  std::vector<char> buffer(size + 1, '\0');
  if (RegQueryValueExA(entry, "Sequence", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ || size >= buffer.size())
    return false;
  buffer[size] = '\0';
  text = buffer.data();
  return true;
}

bool parse_key(const std::string& name, far_host::key_code& code) {
  const int parsed = host_api.FSF->FarNameToKey(name.c_str());
  code = static_cast<far_host::key_code>(parsed);
  return parsed != -1;
}

// Blank-separated key names; a tab is part of a name, not a separator.
bool parse_sequence(const std::string& text, std::vector<far_host::key_code>& sequence) {
  std::size_t start = text.find_first_not_of(' ');
  while (start != std::string::npos) {
    std::size_t end = text.find(' ', start);
    far_host::key_code code = 0;
    if (!parse_key(text.substr(start, end - start), code)) return false;
    sequence.push_back(code);
    start = end == std::string::npos ? end : text.find_first_not_of(' ', end);
  }
  return true;
}

void load_entry(HKEY area, const char* name) {
  registry_key entry;
  if (RegOpenKeyExA(area, name, 0, KEY_READ, entry.out()) != ERROR_SUCCESS) return;
  std::string text;
  if (!read_sequence_text(entry.get(), text)) return;
  key_macro macro;
  if (!parse_key(name, macro.trigger) || !parse_sequence(text, macro.sequence)) return;
  key_macro_table.emplace(macro.trigger, std::move(macro));
}

}  // namespace

std::string key_macro_key_path() {
  std::string path = "Software\\Far";
  const std::string user = environment_value("FARUSER");
  if (!user.empty()) path += "\\Users\\" + user;
  return path + "\\KeyMacros\\Tolvane";
}

void write_default_key_macros() {
  const std::string path = key_macro_key_path();
  registry_key area;
  DWORD disposition = 0;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ, nullptr, area.out(), &disposition) != ERROR_SUCCESS ||
      disposition != REG_CREATED_NEW_KEY)
    return;
  registry_key writable;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_WRITE, writable.out()) != ERROR_SUCCESS)
    return;
  for (const default_macro& macro : default_macros) write_macro(writable.get(), macro);
}

void load_key_macros() {
  key_macro_table.clear();
  registry_key area;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key_macro_key_path().c_str(), 0, KEY_READ, area.out()) !=
      ERROR_SUCCESS)
    return;
  DWORD sub_keys = 0;
  DWORD longest_name = 0;
  if (RegQueryInfoKeyA(area.get(), nullptr, nullptr, nullptr, &sub_keys, &longest_name, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  std::vector<char> name(longest_name + 1);
  for (DWORD index = 0; index < sub_keys; ++index) {
    DWORD name_size = static_cast<DWORD>(name.size());
    if (RegEnumKeyExA(area.get(), index, name.data(), &name_size, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      continue;
    load_entry(area.get(), name.data());
  }
}

}  // namespace far_tolvane
