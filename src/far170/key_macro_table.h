// Remappable keys of the view list dialog, kept in the host's per-user registry area.
#pragma once

#include <cstddef>
#include <memory>

#include "host/key_codes.h"
#include "memory/node_pool.h"

namespace far_tolvane {

// A macro's keys, in one block of their own.
class key_sequence {
 public:
  // Room for `count` keys, replacing the ones there were; false, and empty, when memory is short.
  bool allocate(std::size_t count);
  far_host::key_code* data() { return keys_.get(); }
  const far_host::key_code* begin() const { return keys_.get(); }
  const far_host::key_code* end() const { return keys_.get() + size_; }
  std::size_t size() const { return size_; }

 private:
  std::unique_ptr<far_host::key_code[]> keys_;
  std::size_t size_ = 0;
};

struct key_macro {
  far_host::key_code trigger = 0;
  key_sequence sequence;
};

// Keyed by the trigger's unsigned code; refilled at every opening.
extern node_map<far_host::key_code, key_macro> key_macro_table;

// "Software\Far" [+ "\Users\" + FARUSER] + "\KeyMacros\Tolvane", under HKEY_CURRENT_USER; null
// when memory is short.
std::unique_ptr<char[]> key_macro_key_path();
// Only when the area does not exist yet: a user who removed every macro keeps none.
void write_default_key_macros();
// An entry that cannot be read, for want of memory too, is left out this opening.
void load_key_macros();

}  // namespace far_tolvane
