#include "app/key_source.h"

#include <sstream>

#include "host_core/key_names.h"

namespace try_host {

far_host::key_code console_keys::wait_key(unsigned timeout_ms) {
  return console_.read_key(timeout_ms);
}

std::uint64_t console_keys::now_ms() const { return GetTickCount64(); }

std::optional<std::vector<played_key>> parse_played_keys(const std::string& text,
                                                         std::string& unknown) {
  std::vector<played_key> keys;
  std::istringstream words(text);
  std::string name;
  while (words >> name) {
    if (name == "Wait") {
      keys.push_back({name, 0});
      continue;
    }
    const int code = host_core::name_to_key(name.c_str());
    if (code == -1) {
      unknown = name;
      return std::nullopt;
    }
    keys.push_back({name, static_cast<far_host::key_code>(code)});
  }
  return keys;
}

playback_keys::playback_keys(std::vector<played_key> keys, std::uint64_t wait_ms, unsigned pace_ms,
                             std::function<void(const std::string&)> before_key)
    : keys_(std::move(keys)),
      wait_ms_(wait_ms),
      pace_ms_(pace_ms),
      before_key_(std::move(before_key)) {}

// A zero timeout asks whether a key is already waiting: a played key never is, so the host
// sees one idle moment after every key, as it would between a person's keys.
far_host::key_code playback_keys::wait_key(unsigned timeout_ms) {
  if (timeout_ms == 0 || finished_) return 0;
  before_key_(last_);
  if (next_ == keys_.size()) {
    finished_ = true;
    return 0;
  }
  // The keys come from the list: what the terminal put in the console meanwhile is no key typed
  // ahead, and a host reading the console would have taken it.
  FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
  const played_key& key = keys_[next_++];
  last_ = key.name;
  if (pace_ms_) Sleep(key.code ? pace_ms_ : static_cast<DWORD>(wait_ms_));
  clock_ms_ += key.code ? 1 : wait_ms_;
  return key.code;
}

}  // namespace try_host
