// A stand-in for the few Windows calls the plugin makes, settable per test.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/windows_api.h"

namespace fake_windows {

struct case_insensitive {
  bool operator()(const std::string& a, const std::string& b) const;
};

struct registry_value {
  DWORD type = 0;
  std::vector<BYTE> data;
};

struct registry_key {
  std::map<std::string, registry_value, case_insensitive> values;
  std::map<std::string, registry_key, case_insensitive> sub_keys;
};

struct machine {
  // Paths and their attributes: a small file system, byte-exact names.
  std::map<std::string, DWORD> files;
  bool console_ok = true;
  SHORT console_cols = 120;
  SHORT console_rows = 40;
  bool ctrl_down = false;
  // What waits in the console's input, peeked at; none by default, as in hosts without a console.
  std::function<std::vector<INPUT_RECORD>()> console_input;
  // Threads and events made and not yet closed. No thread runs by itself here: ctrl_tapped
  // runs the plugin's thread one round.
  int open_threads = 0;
  int open_events = 0;
  bool threads_refused = false, event_set = false, round_pending = false, thread_joined = false;
  LPTHREAD_START_ROUTINE thread_routine = nullptr;
  void* thread_parameter = nullptr;
  std::vector<INPUT_RECORD> written_input;
  // How long the plugin's thread last waited between its rounds, in ms.
  DWORD last_wait_ms = 0;
  // What a real machine would have hung on or leaked: a join with the thread never told to stop,
  // a running thread's handle closed.
  std::vector<std::string> thread_faults;
  DWORD platform_id = VER_PLATFORM_WIN32_NT;
  std::map<std::string, std::string> environment;
  registry_key current_user;
  int open_registry_handles = 0;
  // A key path (relative to HKEY_CURRENT_USER) whose creation or opening fails.
  std::string refused_key;
  // Runs before every read of an environment variable or a registry value: another process
  // changing them between two reads.
  std::function<void()> while_reading;

  void add_dir(const std::string& path) { files[path] = FILE_ATTRIBUTE_DIRECTORY; }
  void add_file(const std::string& path) { files[path] = 0x20; }
  // Names directly inside a directory, by any of its names, or nothing when it is not a
  // directory.
  std::optional<std::vector<std::string>> list_dir(const std::string& dir) const;
  // The key at a backslash-separated path, or null.
  registry_key* find_key(const std::string& path);
  void set_string(const std::string& key_path, const std::string& name, const std::string& text,
                  bool terminated = true);
};

// The key in `files` of the file a path names: "\\?\" and "\\.\" before a drive, or before
// "UNC\" and a server, name the same file as the path without them; a volume's GUID path is its
// own key, "\\?\Volume{...}\...". Null for a path that names no file whatever the disk holds.
std::optional<std::string> file_key(const std::string& path);

// Runs the plugin's thread for one wait, when there is one.
bool run_thread_round();
// Runs the plugin's thread for one wait: whether it wrote exactly a Ctrl press and release, as
// a keyboard would, while the console's input was empty.
bool ctrl_tapped();

// The state the stand-in answers from; reset by every test.
machine& state();
void reset();

}  // namespace fake_windows
