// A terminal never reports Ctrl alone, so the host guesses it: Ctrl counts as held from a
// Ctrl-modified key until a while passes without another one, and a key without Ctrl releases it
// at once. Time is given in milliseconds by the caller, so the rule is testable and playback can
// run on a clock of its own.
#pragma once

#include <cstdint>

#include "host/key_codes.h"

namespace host_core {

class ctrl_hold {
 public:
  static constexpr std::uint64_t default_hold_ms = 700;

  explicit ctrl_hold(std::uint64_t hold_ms = default_hold_ms) : hold_ms_(hold_ms) {}

  void key(far_host::key_code code, std::uint64_t now_ms);
  bool held(std::uint64_t now_ms) const { return holding_ && now_ms < released_at_; }
  std::uint64_t hold_ms() const { return hold_ms_; }

 private:
  std::uint64_t hold_ms_;
  bool holding_ = false;
  std::uint64_t released_at_ = 0;
};

}  // namespace host_core
