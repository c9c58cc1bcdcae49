// A text of the plugin's own: in place up to a classic path's length, in a block of its own
// beyond, so that the usual directory never needs memory that may be refused.
#pragma once

#include <memory>

#include "host/host_char.h"

namespace far_tolvane {

class owned_text {
 public:
  owned_text() = default;
  owned_text(owned_text&&) = default;
  owned_text& operator=(owned_text&&) = default;
  owned_text(const owned_text&) = delete;
  owned_text& operator=(const owned_text&) = delete;
  ~owned_text() = default;

  // Leaves the text as it was, and answers false, when memory is short.
  bool assign(host_text text);
  const host_char* c_str() const { return long_ ? long_.get() : short_; }
  host_text view() const { return {c_str(), size_}; }

 private:
  static constexpr std::size_t short_room = 260;
  std::unique_ptr<host_char[]> long_;
  host_char short_[short_room] = {};
  std::size_t size_ = 0;
};

}  // namespace far_tolvane
