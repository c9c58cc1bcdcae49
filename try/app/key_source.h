// Where the host's keys come from: a person at the terminal, or a list played without one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "console/terminal.h"
#include "host/key_codes.h"

namespace try_host {

class key_source {
 public:
  virtual ~key_source() = default;
  // The next key within timeout_ms; 0 when none came.
  virtual far_host::key_code wait_key(unsigned timeout_ms) = 0;
  virtual std::uint64_t now_ms() const = 0;
  // True once a played list has run out.
  virtual bool finished() const { return false; }
};

class console_keys : public key_source {
 public:
  explicit console_keys(terminal& console) : console_(console) {}
  far_host::key_code wait_key(unsigned timeout_ms) override;
  std::uint64_t now_ms() const override;

 private:
  terminal& console_;
};

// Played keys come on a clock of their own: a key takes no time, and the word "Wait" lets
// enough time pass for the held Ctrl to be released.
struct played_key {
  std::string name;
  far_host::key_code code;  // 0 for "Wait"
};

// Names in the host's key-name syntax, blank-separated; nullopt with the first unknown name.
std::optional<std::vector<played_key>> parse_played_keys(const std::string& text,
                                                         std::string& unknown);

class playback_keys : public key_source {
 public:
  // before_key runs each time the next key is taken, with the name of the key played last
  // ("start" at first): the moment to print the screen.
  playback_keys(std::vector<played_key> keys, std::uint64_t wait_ms, unsigned pace_ms,
                std::function<void(const std::string&)> before_key);
  far_host::key_code wait_key(unsigned timeout_ms) override;
  std::uint64_t now_ms() const override { return clock_ms_; }
  bool finished() const override { return finished_; }

 private:
  std::vector<played_key> keys_;
  std::size_t next_ = 0;
  std::string last_ = "start";
  std::uint64_t clock_ms_ = 0;
  std::uint64_t wait_ms_;
  unsigned pace_ms_;
  bool finished_ = false;
  std::function<void(const std::string&)> before_key_;
};

}  // namespace try_host
