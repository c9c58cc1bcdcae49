#include "native/fake_windows.h"

#include <strings.h>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

namespace fake_windows {
namespace {

std::unique_ptr<machine> the_machine = std::make_unique<machine>();

// ERROR_INVALID_PARAMETER, which the plugin never needs to name.
constexpr LONG invalid_parameter = 87;

struct open_key {
  registry_key* key;
  std::string path;
};

open_key* as_open(HKEY key) { return reinterpret_cast<open_key*>(key); }

std::string join(const std::string& base, const std::string& sub) {
  if (base.empty()) return sub;
  if (sub.empty()) return base;
  return base + "\\" + sub;
}

// Resolves a parent handle and a sub path; with `create` missing keys are made.
registry_key* walk(HKEY parent, const char* sub, bool create, bool* created, std::string* path) {
  registry_key* key = nullptr;
  std::string base;
  if (parent == HKEY_CURRENT_USER) {
    key = &the_machine->current_user;
  } else {
    key = as_open(parent)->key;
    base = as_open(parent)->path;
  }
  *path = join(base, sub ? sub : "");
  if (!the_machine->refused_key.empty() &&
      !strcasecmp(path->c_str(), the_machine->refused_key.c_str()))
    return nullptr;
  std::string rest = sub ? sub : "";
  if (created) *created = false;
  while (!rest.empty()) {
    const std::size_t cut = rest.find('\\');
    const std::string part = rest.substr(0, cut);
    rest = cut == std::string::npos ? "" : rest.substr(cut + 1);
    auto found = key->sub_keys.find(part);
    if (found == key->sub_keys.end()) {
      if (!create) return nullptr;
      if (created) *created = true;
      found = key->sub_keys.emplace(part, registry_key{}).first;
    }
    key = &found->second;
  }
  return key;
}

HKEY open_handle(registry_key* key, const std::string& path) {
  ++the_machine->open_registry_handles;
  return reinterpret_cast<HKEY>(new open_key{key, path});
}

}  // namespace

bool case_insensitive::operator()(const std::string& a, const std::string& b) const {
  return strcasecmp(a.c_str(), b.c_str()) < 0;
}

machine& state() { return *the_machine; }

void reset() { the_machine = std::make_unique<machine>(); }

std::optional<std::string> file_key(const std::string& path) {
  if (path.rfind("\\\\?\\", 0) != 0 && path.rfind("\\\\.\\", 0) != 0) return path;
  const std::string rest = path.substr(4);
  if (rest.rfind("UNC\\", 0) == 0) {
    const std::string server = rest.substr(4);
    // A server named "?" or ".", as a prefix put before a prefixed path gives, is none.
    if (server.empty() || server.rfind("?\\", 0) == 0 || server.rfind(".\\", 0) == 0)
      return std::nullopt;
    return "\\\\" + server;
  }
  if (rest.size() >= 2 && rest[1] == ':') return rest;
  return "\\\\?\\" + rest;
}

std::optional<std::vector<std::string>> machine::list_dir(const std::string& dir) const {
  const std::optional<std::string> key = file_key(dir);
  if (!key) return std::nullopt;
  auto found = files.find(*key);
  if (found == files.end() || !(found->second & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  const std::string prefix = key->back() == '\\' ? *key : *key + "\\";
  std::vector<std::string> names;
  for (const auto& [path, attributes] : files) {
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string rest = path.substr(prefix.size());
    if (rest.find('\\') == std::string::npos) names.push_back(rest);
  }
  return names;
}

registry_key* machine::find_key(const std::string& path) {
  std::string resolved;
  return walk(HKEY_CURRENT_USER, path.c_str(), false, nullptr, &resolved);
}

void machine::set_string(const std::string& key_path, const std::string& name,
                         const std::string& text, bool terminated) {
  std::string resolved;
  registry_key* key = walk(HKEY_CURRENT_USER, key_path.c_str(), true, nullptr, &resolved);
  registry_value value{REG_SZ, std::vector<BYTE>(text.begin(), text.end())};
  if (terminated) value.data.push_back(0);
  key->values[name] = value;
}

}  // namespace fake_windows

using fake_windows::machine;
using fake_windows::state;

DWORD GetFileAttributesA(const char* path) {
  auto found = state().files.find(path);
  return found == state().files.end() ? INVALID_FILE_ATTRIBUTES : found->second;
}

// Paths the plugin asks about in wide characters name the same files, kept in UTF-8.
DWORD GetFileAttributesW(const wchar_t* path) {
  std::string narrow;
  std::size_t units = 0;  // UTF-16, as the system counts a path's length
  for (; *path; ++path, ++units) {
    const std::uint32_t c = static_cast<char32_t>(*path);
    if (c < 0x80) {
      narrow += static_cast<char>(c);
    } else if (c < 0x800) {
      narrow += static_cast<char>(0xC0 | (c >> 6));
      narrow += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      narrow += static_cast<char>(0xE0 | (c >> 12));
      narrow += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      narrow += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      ++units;
      narrow += static_cast<char>(0xF0 | (c >> 18));
      narrow += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      narrow += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      narrow += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  // Only "\\?\" lifts the system's length limit: any other path of MAX_PATH units or more is
  // refused.
  const bool lifted = narrow.rfind("\\\\?\\", 0) == 0;
  if (!lifted && units >= 260) return INVALID_FILE_ATTRIBUTES;
  const std::optional<std::string> key = fake_windows::file_key(narrow);
  return key ? GetFileAttributesA(key->c_str()) : INVALID_FILE_ATTRIBUTES;
}

HANDLE GetStdHandle(DWORD) { return reinterpret_cast<HANDLE>(7); }

BOOL GetConsoleScreenBufferInfo(HANDLE, CONSOLE_SCREEN_BUFFER_INFO* info) {
  if (!state().console_ok) return 0;
  *info = CONSOLE_SCREEN_BUFFER_INFO{};
  info->dwSize = {state().console_cols, state().console_rows};
  return 1;
}

BOOL PeekConsoleInputA(HANDLE, INPUT_RECORD* records, DWORD length, LPDWORD read) {
  if (!state().console_input) return 0;
  const std::vector<INPUT_RECORD> waiting = state().console_input();
  *read = std::min(length, static_cast<DWORD>(waiting.size()));
  std::copy_n(waiting.begin(), *read, records);
  return 1;
}

BOOL GetNumberOfConsoleInputEvents(HANDLE, LPDWORD count) {
  if (!state().console_ok) return 0;
  *count = state().console_input ? static_cast<DWORD>(state().console_input().size()) : 0;
  return 1;
}

BOOL WriteConsoleInputW(HANDLE, const INPUT_RECORD* records, DWORD length, LPDWORD written) {
  state().written_input.assign(records, records + length);
  *written = length;
  return 1;
}

namespace {
HANDLE const thread_handle = reinterpret_cast<HANDLE>(0x7001);
HANDLE const event_handle = reinterpret_cast<HANDLE>(0x7002);
constexpr DWORD wait_object_0 = 0;

bool is_ctrl_key(const INPUT_RECORD& record, bool down) {
  const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
  return record.EventType == KEY_EVENT && (key.bKeyDown != 0) == down && key.wRepeatCount == 1 &&
         key.wVirtualKeyCode == VK_CONTROL &&
         key.dwControlKeyState == (down ? LEFT_CTRL_PRESSED : 0U);
}
}  // namespace

HANDLE CreateThread(SECURITY_ATTRIBUTES*, std::size_t, LPTHREAD_START_ROUTINE routine,
                    void* parameter, DWORD flags, LPDWORD) {
  if (flags || state().threads_refused) return nullptr;  // a suspended one would never run
  ++state().open_threads;
  state().thread_routine = routine;
  state().thread_parameter = parameter;
  state().thread_joined = false;
  return thread_handle;
}

HANDLE CreateEventA(SECURITY_ATTRIBUTES*, BOOL, BOOL initially_set, const char*) {
  ++state().open_events;
  state().event_set = initially_set != 0;
  return event_handle;
}

BOOL SetEvent(HANDLE object) {
  if (object == event_handle) state().event_set = true;
  return 1;
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds) {
  machine& win = state();
  if (object == thread_handle) {
    if (!win.event_set) win.thread_faults.emplace_back("joined a thread never told to stop");
    win.thread_joined = true;
    return wait_object_0;
  }
  win.last_wait_ms = milliseconds;
  if (win.event_set || !win.round_pending) return wait_object_0;  // a round ends as if stopped
  win.round_pending = false;
  return WAIT_TIMEOUT;
}

BOOL CloseHandle(HANDLE object) {
  machine& win = state();
  if (object == thread_handle) {
    if (!win.thread_joined) win.thread_faults.emplace_back("closed a running thread's handle");
    --win.open_threads;
    win.thread_routine = nullptr;
  }
  if (object == event_handle) --win.open_events;
  return 1;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return 0;
  info->dwPlatformId = state().platform_id;
  info->dwMajorVersion = 5;
  return 1;
}

SHORT GetKeyState(int virtual_key) {
  return virtual_key == VK_CONTROL && state().ctrl_down ? static_cast<SHORT>(0x8000) : 0;
}

int _snprintf(char* buffer, std::size_t count, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  va_start(args, format);
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  std::memcpy(buffer, text.data(), std::min(text.size(), count));
  return static_cast<std::size_t>(length) <= count ? length : -1;
}

DWORD GetEnvironmentVariableA(const char* name, char* buffer, DWORD size) {
  if (state().while_reading) state().while_reading();
  auto found = state().environment.find(name);
  if (found == state().environment.end()) return 0;
  const std::string& value = found->second;
  if (value.size() + 1 > size) return static_cast<DWORD>(value.size() + 1);
  std::memcpy(buffer, value.c_str(), value.size() + 1);
  return static_cast<DWORD>(value.size());
}

// The parameters Windows reserves must be 0.
LONG RegCreateKeyExA(HKEY key, const char* sub_key, DWORD reserved, char*, DWORD, REGSAM,
                     SECURITY_ATTRIBUTES*, PHKEY result, LPDWORD disposition) {
  if (reserved) return fake_windows::invalid_parameter;
  bool created = false;
  std::string path;
  fake_windows::registry_key* found = fake_windows::walk(key, sub_key, true, &created, &path);
  if (!found) return ERROR_FILE_NOT_FOUND;
  *result = fake_windows::open_handle(found, path);
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LONG RegOpenKeyExA(HKEY key, const char* sub_key, DWORD options, REGSAM, PHKEY result) {
  if (options) return fake_windows::invalid_parameter;
  std::string path;
  fake_windows::registry_key* found = fake_windows::walk(key, sub_key, false, nullptr, &path);
  if (!found) return ERROR_FILE_NOT_FOUND;
  *result = fake_windows::open_handle(found, path);
  return ERROR_SUCCESS;
}

LONG RegQueryInfoKeyA(HKEY key, char*, LPDWORD, LPDWORD, LPDWORD sub_keys, LPDWORD max_sub_key_len,
                      LPDWORD, LPDWORD, LPDWORD, LPDWORD, LPDWORD, FILETIME*) {
  const auto& children = fake_windows::as_open(key)->key->sub_keys;
  if (sub_keys) *sub_keys = static_cast<DWORD>(children.size());
  if (max_sub_key_len) {
    std::size_t longest = 0;
    for (const auto& child : children) longest = std::max(longest, child.first.size());
    *max_sub_key_len = static_cast<DWORD>(longest);
  }
  return ERROR_SUCCESS;
}

LONG RegEnumKeyExA(HKEY key, DWORD index, char* name, LPDWORD name_size, LPDWORD, char*, LPDWORD,
                   FILETIME*) {
  const auto& children = fake_windows::as_open(key)->key->sub_keys;
  if (index >= children.size()) return ERROR_NO_MORE_ITEMS;
  const std::string& child = std::next(children.begin(), index)->first;
  if (child.size() + 1 > *name_size) return ERROR_MORE_DATA;
  std::memcpy(name, child.c_str(), child.size() + 1);
  *name_size = static_cast<DWORD>(child.size());
  return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, const char* value_name, LPDWORD reserved, LPDWORD type, BYTE* data,
                      LPDWORD data_size) {
  if (reserved) return fake_windows::invalid_parameter;
  if (state().while_reading) state().while_reading();
  const auto& values = fake_windows::as_open(key)->key->values;
  auto found = values.find(value_name ? value_name : "");
  if (found == values.end()) return ERROR_FILE_NOT_FOUND;
  const auto& value = found->second;
  if (type) *type = value.type;
  const DWORD needed = static_cast<DWORD>(value.data.size());
  if (!data) {
    if (data_size) *data_size = needed;
    return ERROR_SUCCESS;
  }
  if (!data_size || *data_size < needed) {
    if (data_size) *data_size = needed;
    return ERROR_MORE_DATA;
  }
  std::copy(value.data.begin(), value.data.end(), data);
  *data_size = needed;
  return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char* value_name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD data_size) {
  if (reserved) return fake_windows::invalid_parameter;
  fake_windows::as_open(key)->key->values[value_name ? value_name : ""] = {
      type, std::vector<BYTE>(data, data + data_size)};
  return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
  --state().open_registry_handles;
  delete fake_windows::as_open(key);
  return ERROR_SUCCESS;
}

bool fake_windows::run_thread_round() {
  machine& win = state();
  if (!win.thread_routine) return false;
  win.round_pending = true;
  win.thread_routine(win.thread_parameter);
  return true;
}

bool fake_windows::ctrl_tapped() {
  machine& win = state();
  win.written_input.clear();
  if (!run_thread_round()) return false;
  return win.written_input.size() == 2 && is_ctrl_key(win.written_input[0], true) &&
         is_ctrl_key(win.written_input[1], false);
}
