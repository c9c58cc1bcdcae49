#include "views/selected_names.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <new>

namespace far_tolvane {

namespace {

constexpr std::uint32_t empty_slot = std::numeric_limits<std::uint32_t>::max();
// Marks a name already matched; offsets stay below it.
constexpr std::uint32_t found_bit = 0x80000000;
// When no table for all the names can be had, one this size on the stack takes them a chunk at
// a time.
constexpr std::uint32_t fallback_slots = 1024;

std::uint32_t hash(host_text name) {
  return static_cast<std::uint32_t>(std::hash<host_text>{}(name));
}

// Into a new block of `size` characters, none when 0, keeping the first `used`.
bool move_to_block(std::unique_ptr<host_char[]>& block, std::size_t used, std::size_t size) {
  std::unique_ptr<host_char[]> moved(size ? new (std::nothrow) host_char[size] : nullptr);
  if (size && !moved) return false;
  if (used) std::copy(block.get(), block.get() + used, moved.get());
  block = std::move(moved);
  return true;
}

// A saved name ends at its zero, which no name holds: the walk stops there at the latest.
bool same_name(const host_char* saved, host_text name) {
  for (const host_char c : name)
    if (*saved++ != c) return false;
  return *saved == 0;
}

}  // namespace

// One pass over the items, the costly part on a large panel: the names go into a block
// that doubles as needed, and is then cut to their size.
bool selected_names::take_from(name_source& source) {
  std::unique_ptr<host_char[]> block;
  std::size_t capacity = 0;
  std::size_t bytes = 0;
  int names = 0;
  for (host_text name; source.next(name);) {
    if (bytes + name.size() + 1 > capacity) {
      capacity = std::max(2 * capacity, std::size_t{4096});
      if (capacity >= found_bit || !move_to_block(block, bytes, capacity)) return false;
    }
    std::copy(name.begin(), name.end(), block.get() + bytes);
    bytes += name.size();
    block[bytes++] = 0;
    ++names;
  }
  if (source.failed() || (bytes < capacity && !move_to_block(block, bytes, bytes))) return false;
  block_ = std::move(block);
  bytes_ = bytes;
  count_ = names;
  return true;
}

bool selected_names::copy_from(const selected_names& source) {
  std::unique_ptr<host_char[]> block;
  if (!move_to_block(block, 0, source.bytes_)) return false;
  if (source.bytes_)
    std::copy(source.block_.get(), source.block_.get() + source.bytes_, block.get());
  block_ = std::move(block);
  bytes_ = source.bytes_;
  count_ = source.count_;
  return true;
}

// One pass over the items against a hash table of the saved names keeps this linear on large
// directories. Short of memory for a table of every name, a small one takes them in chunks.
void selected_names::select_in(panel_items& items) const {
  if (count_ == 0 || items.count() <= 0) return;
  // Each name takes at least two bytes below found_bit, so this stops at found_bit at most.
  std::uint32_t slots = 16;
  while (slots < static_cast<std::uint32_t>(count_) * 2) slots *= 2;
  const std::unique_ptr<std::uint32_t[]> table(new (std::nothrow) std::uint32_t[slots]);
  std::uint32_t fallback_table[fallback_slots];
  std::uint32_t* used = table.get();
  if (!used) {
    used = fallback_table;
    slots = fallback_slots;
  }
  std::size_t offset = 0;
  while (offset < bytes_) select_chunk(used, slots, offset, items);
}

// Takes saved names from `offset` on until the table is half full, then selects their matches.
void selected_names::select_chunk(std::uint32_t* table, std::uint32_t slots, std::size_t& offset,
                                  panel_items& items) const {
  std::fill(table, table + slots, empty_slot);
  const std::uint32_t mask = slots - 1;
  std::uint32_t pending = 0;
  while (offset < bytes_ && pending < slots / 2) {
    const host_text saved(block_.get() + offset);
    std::uint32_t slot = hash(saved) & mask;
    while (table[slot] != empty_slot && !same_name(block_.get() + table[slot], saved))
      slot = (slot + 1) & mask;
    if (table[slot] == empty_slot) {
      table[slot] = static_cast<std::uint32_t>(offset);
      ++pending;
    }
    offset += saved.size() + 1;
  }
  const int count = items.count();
  for (int i = 0; i < count && pending > 0; ++i) {
    const host_text name = items.name(i);
    for (std::uint32_t slot = hash(name) & mask; table[slot] != empty_slot;
         slot = (slot + 1) & mask) {
      if (!same_name(block_.get() + (table[slot] & ~found_bit), name)) continue;
      if (!(table[slot] & found_bit)) {
        items.select(i);
        table[slot] |= found_bit;
        --pending;
      }
      break;
    }
  }
}

}  // namespace far_tolvane
