#include "far170/key_macro_table.h"

#include <cstring>
#include <new>

#include "far170/host_api.h"
#include "host/message_ids.h"
#include "host/windows_api.h"

namespace far_tolvane {

// Emptied at ExitFAR, so that no node of it is left to go back to the spare nodes, which another
// file defines, when the library is unloaded.
node_map<far_host::key_code, key_macro> key_macro_table;

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

std::unique_ptr<char[]> text_buffer(std::size_t size) {
  return std::unique_ptr<char[]>(new (std::nothrow) char[size]);
}

// The whole value even when it is longer than the usual buffer: a cut name would select
// another user's area. Empty when the variable is unset or keeps changing; null when memory is
// short.
std::unique_ptr<char[]> environment_value(const char* name) {
  std::unique_ptr<char[]> buffer;
  DWORD size = user_name_buffer_size;
  for (int attempt = 0; attempt < 2; ++attempt) {
    buffer = text_buffer(size);
    if (!buffer) return nullptr;
    const DWORD length = GetEnvironmentVariableA(name, buffer.get(), size);
    if (length < size) {
      buffer[length] = '\0';
      return buffer;
    }
    size = length;
  }
  buffer[0] = '\0';
  return buffer;
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

// A missing, non-text or unreadable value yields null; a stored text without its terminating
// zero is read within its size, one byte short of the buffer.
std::unique_ptr<char[]> read_sequence_text(HKEY entry) {
  DWORD size = 0;
  if (RegQueryValueExA(entry, "Sequence", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return nullptr;
  std::unique_ptr<char[]> text = text_buffer(size + 1);
  if (!text) return nullptr;
  DWORD type = 0;
  if (RegQueryValueExA(entry, "Sequence", nullptr, &type, reinterpret_cast<BYTE*>(text.get()),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return nullptr;
  text[size] = '\0';
  return text;
}

bool parse_key(const char* name, far_host::key_code& code) {
  const int parsed = host_api.FSF->FarNameToKey(name);
  code = static_cast<far_host::key_code>(parsed);
  return parsed != -1;
}

// Blank-separated key names; a tab is part of a name, not a separator. Each name is ended in
// place for the host, so the text is the caller's own.
bool parse_sequence(char* text, key_sequence& sequence) {
  std::size_t count = 0;
  for (const char* c = text; *c; ++c)
    if (*c != ' ' && (c == text || c[-1] == ' ')) ++count;
  if (!sequence.allocate(count)) return false;
  far_host::key_code* next = sequence.data();
  for (char* start = text; *start;) {
    if (*start == ' ') {
      ++start;
      continue;
    }
    char* end = start;
    while (*end && *end != ' ') ++end;
    const bool last = *end == '\0';
    *end = '\0';
    if (!parse_key(start, *next++)) return false;
    start = last ? end : end + 1;
  }
  return true;
}

void load_entry(HKEY area, const char* name) {
  registry_key entry;
  if (RegOpenKeyExA(area, name, 0, KEY_READ, entry.out()) != ERROR_SUCCESS) return;
  const std::unique_ptr<char[]> text = read_sequence_text(entry.get());
  if (!text) return;
  key_macro macro;
  if (!parse_key(name, macro.trigger) || !parse_sequence(text.get(), macro.sequence)) return;
  if (!reserve_nodes(1)) return;
  key_macro_table.emplace(macro.trigger, std::move(macro));
}

}  // namespace

bool key_sequence::allocate(std::size_t count) {
  keys_.reset(count ? new (std::nothrow) far_host::key_code[count] : nullptr);
  size_ = keys_ ? count : 0;
  return keys_ || count == 0;
}

std::unique_ptr<char[]> key_macro_key_path() {
  const std::unique_ptr<char[]> user = environment_value("FARUSER");
  if (!user) return nullptr;
  const char* const parts[] = {"Software\\Far", *user.get() ? "\\Users\\" : "", user.get(),
                               "\\KeyMacros\\Tolvane"};
  std::size_t size = 1;
  for (const char* part : parts) size += std::strlen(part);
  std::unique_ptr<char[]> path = text_buffer(size);
  if (!path) return nullptr;
  char* next = path.get();
  for (const char* part : parts) {
    const std::size_t length = std::strlen(part);
    std::memcpy(next, part, length);
    next += length;
  }
  *next = '\0';
  return path;
}

void write_default_key_macros() {
  const std::unique_ptr<char[]> path = key_macro_key_path();
  if (!path) return;
  registry_key area;
  DWORD disposition = 0;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.get(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ,
                      nullptr, area.out(), &disposition) != ERROR_SUCCESS ||
      disposition != REG_CREATED_NEW_KEY)
    return;
  registry_key writable;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.get(), 0, KEY_WRITE, writable.out()) != ERROR_SUCCESS)
    return;
  for (const default_macro& macro : default_macros) write_macro(writable.get(), macro);
}

void load_key_macros() {
  key_macro_table.clear();
  const std::unique_ptr<char[]> path = key_macro_key_path();
  registry_key area;
  if (!path ||
      RegOpenKeyExA(HKEY_CURRENT_USER, path.get(), 0, KEY_READ, area.out()) != ERROR_SUCCESS)
    return;
  DWORD sub_keys = 0;
  DWORD longest_name = 0;
  if (RegQueryInfoKeyA(area.get(), nullptr, nullptr, nullptr, &sub_keys, &longest_name, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  const std::unique_ptr<char[]> name = text_buffer(longest_name + 1);
  if (!name) return;
  for (DWORD index = 0; index < sub_keys; ++index) {
    DWORD name_size = longest_name + 1;
    if (RegEnumKeyExA(area.get(), index, name.get(), &name_size, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      continue;
    load_entry(area.get(), name.get());
  }
}

}  // namespace far_tolvane
