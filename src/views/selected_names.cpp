#include "views/selected_names.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <new>
#include <string_view>

namespace far_tolvane {

using far_host::PluginPanelItem;

namespace {

constexpr std::uint32_t empty_slot = std::numeric_limits<std::uint32_t>::max();
// Marks a name already matched; offsets stay below it.
constexpr std::uint32_t found_bit = 0x80000000;
// When no table for all the names can be had, one this size on the stack takes them a chunk at
// a time.
constexpr std::uint32_t fallback_slots = 1024;

std::string_view item_name(const PluginPanelItem& item) {
  const char* name = item.FindData.cFileName;
  return {name, strnlen(name, sizeof item.FindData.cFileName)};
}

std::uint32_t hash(std::string_view name) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(name));
}

// Into a new block of `size` bytes, none when 0, keeping the first `used`.
bool move_to_block(std::unique_ptr<char[]>& block, std::size_t used, std::size_t size) {
  std::unique_ptr<char[]> moved(size ? new (std::nothrow) char[size] : nullptr);
  if (size && !moved) return false;
  if (used) std::memcpy(moved.get(), block.get(), used);
  block = std::move(moved);
  return true;
}

bool same_name(const char* saved, std::string_view name) {
  return std::strncmp(saved, name.data(), name.size()) == 0 && saved[name.size()] == '\0';
}

}  // namespace

// One pass over the items, the costly part on a large panel: the names go into a block
// that doubles as needed, and is then cut to their size.
bool selected_names::take_from(const PluginPanelItem* items, int count) {
  if (!items) count = 0;
  std::unique_ptr<char[]> block;
  std::size_t capacity = 0;
  std::size_t bytes = 0;
  int names = 0;
  for (int i = 0; i < count; ++i) {
    if (!(items[i].Flags & far_host::PPIF_SELECTED)) continue;
    const std::string_view name = item_name(items[i]);
    if (bytes + name.size() + 1 > capacity) {
      capacity = std::max(2 * capacity, std::size_t{4096});
      if (capacity >= found_bit || !move_to_block(block, bytes, capacity)) return false;
    }
    std::memcpy(block.get() + bytes, name.data(), name.size());
    bytes += name.size();
    block[bytes++] = '\0';
    ++names;
  }
  if (bytes < capacity && !move_to_block(block, bytes, bytes)) return false;
  block_ = std::move(block);
  bytes_ = bytes;
  count_ = names;
  return true;
}

bool selected_names::copy_from(const selected_names& source) {
  std::unique_ptr<char[]> block;
  if (!move_to_block(block, 0, source.bytes_)) return false;
  if (source.bytes_) std::memcpy(block.get(), source.block_.get(), source.bytes_);
  block_ = std::move(block);
  bytes_ = source.bytes_;
  count_ = source.count_;
  return true;
}

// One pass over the items against a hash table of the saved names keeps this linear on large
// directories. Short of memory for a table of every name, a small one takes them in chunks.
void selected_names::select_in(PluginPanelItem* items, int count) const {
  if (count_ == 0 || !items || count <= 0) return;
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
  while (offset < bytes_) select_chunk(used, slots, offset, items, count);
}

// Takes saved names from `offset` on until the table is half full, then selects their matches.
void selected_names::select_chunk(std::uint32_t* table, std::uint32_t slots, std::size_t& offset,
                                  PluginPanelItem* items, int count) const {
  std::fill(table, table + slots, empty_slot);
  const std::uint32_t mask = slots - 1;
  std::uint32_t pending = 0;
  while (offset < bytes_ && pending < slots / 2) {
    const char* name = block_.get() + offset;
    const std::string_view saved(name);
    std::uint32_t slot = hash(saved) & mask;
    while (table[slot] != empty_slot && !same_name(block_.get() + table[slot], saved))
      slot = (slot + 1) & mask;
    if (table[slot] == empty_slot) {
      table[slot] = static_cast<std::uint32_t>(offset);
      ++pending;
    }
    offset += saved.size() + 1;
  }
  for (int i = 0; i < count && pending > 0; ++i) {
    const std::string_view name = item_name(items[i]);
    for (std::uint32_t slot = hash(name) & mask; table[slot] != empty_slot;
         slot = (slot + 1) & mask) {
      if (!same_name(block_.get() + (table[slot] & ~found_bit), name)) continue;
      if (!(table[slot] & found_bit)) {
        items[i].Flags |= far_host::PPIF_SELECTED;
        table[slot] |= found_bit;
        --pending;
      }
      break;
    }
  }
}

}  // namespace far_tolvane
