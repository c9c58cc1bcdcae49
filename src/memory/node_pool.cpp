#include "memory/node_pool.h"

#include <new>

namespace far_tolvane {

void spare_nodes::release() {
  while (count > 0) ::operator delete(blocks[--count]);
}

bool reserve_nodes(int count) {
  while (node_spares.count < count && node_spares.count < max_spare_nodes) {
    void* block = ::operator new(node_block_size, std::nothrow);
    if (!block) return false;
    node_spares.blocks[node_spares.count++] = block;
  }
  return true;
}

void* take_node() {
  if (node_spares.count > 0) return node_spares.blocks[--node_spares.count];
  return ::operator new(node_block_size, std::nothrow);
}

void give_node(void* block) {
  if (!block) return;
  if (node_spares.count < max_spare_nodes)
    node_spares.blocks[node_spares.count++] = block;
  else
    ::operator delete(block);
}

}  // namespace far_tolvane
