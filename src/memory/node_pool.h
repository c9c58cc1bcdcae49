// The blocks every list, set and map of the plugin takes its nodes from. The standard
// allocator ends the process when memory runs out, and FAR's address space is shared with
// everything it runs: here an operation first reserves the nodes it will need, and gives up
// with nothing changed when it cannot have them; the insertions that follow cannot fail.
#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <set>

namespace far_tolvane {

// Large enough for the node of any container below on either build.
constexpr std::size_t node_block_size = 8 * sizeof(void*);
// A freed block is kept as a spare up to this many, so a remove followed by an insert never
// needs fresh memory.
constexpr int max_spare_nodes = 16;

// The spare blocks. Defined before every container that takes nodes from it, so that it is
// destroyed after them and frees what they gave back.
struct spare_nodes {
  spare_nodes() = default;
  spare_nodes(const spare_nodes&) = delete;
  spare_nodes& operator=(const spare_nodes&) = delete;
  ~spare_nodes() { release(); }
  // Frees every spare block.
  void release();

  void* blocks[max_spare_nodes] = {};
  int count = 0;
};
extern spare_nodes node_spares;

// At least `count` (up to max_spare_nodes) blocks ready; false when memory is short.
bool reserve_nodes(int count);
// A spare block, or fresh memory when none was reserved (null when that fails).
void* take_node();
void give_node(void* block);

template <typename T>
struct node_allocator {
  using value_type = T;
  node_allocator() = default;
  template <typename U>
  explicit node_allocator(const node_allocator<U>&) noexcept {}

  // Node containers ask for one node at a time.
  T* allocate(std::size_t) {
    static_assert(sizeof(T) <= node_block_size, "a node larger than the pool's blocks");
    return static_cast<T*>(take_node());
  }
  void deallocate(T* block, std::size_t) noexcept { give_node(block); }

  template <typename U>
  bool operator==(const node_allocator<U>&) const noexcept {
    return true;
  }
};

template <typename T>
using node_list = std::list<T, node_allocator<T>>;
template <typename T>
using node_set = std::set<T, std::less<T>, node_allocator<T>>;
template <typename K, typename V>
using node_map = std::map<K, V, std::less<K>, node_allocator<std::pair<const K, V>>>;

}  // namespace far_tolvane
