// The names of a panel's selected items, in the panel's order, all in one block: what a view
// needs to select them again, and nothing else of the panel's items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "host/host_char.h"

namespace far_tolvane {

// The selected items' names as a host hands them out, one at a time.
class name_source {
 public:
  virtual ~name_source() = default;
  // False when there are no more; `name` stays valid until the next call.
  virtual bool next(host_text& name) = 0;
  // Whether the names stopped early for want of memory.
  virtual bool failed() const { return false; }
};

// A panel's items, to be selected by name.
class panel_items {
 public:
  virtual ~panel_items() = default;
  virtual int count() const = 0;
  // Valid until the next call.
  virtual host_text name(int index) = 0;
  virtual void select(int index) = 0;
};

class selected_names {
 public:
  // Both leave this as it was and answer false when memory is short.
  bool take_from(name_source& source);
  bool copy_from(const selected_names& source);

  // Selects the first item of each saved name (exact, case-sensitive); the others are left as
  // they are. Needs no memory it cannot do without.
  void select_in(panel_items& items) const;

  int count() const { return count_; }
  std::size_t bytes() const { return bytes_; }
  // The names one after another, each ended by a zero; `bytes` counts characters.
  const host_char* block() const { return block_.get(); }

 private:
  void select_chunk(std::uint32_t* table, std::uint32_t slots, std::size_t& offset,
                    panel_items& items) const;

  std::unique_ptr<host_char[]> block_;
  std::size_t bytes_ = 0;
  int count_ = 0;
};

}  // namespace far_tolvane
