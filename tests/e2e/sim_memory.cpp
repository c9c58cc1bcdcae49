#include "e2e/sim_memory.h"

#include <malloc.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <new>

// The simulator's own memory comes from a heap of its own, set aside at start. The plugin takes
// its memory from the C runtime, so a scenario that starves the C runtime and the address space
// starves the plugin and not the host model, and the C runtime heap counts the plugin's blocks
// alone. Should the simulator itself run out, it stops at once: throwing would need the C
// runtime's memory.
namespace {

HANDLE simulator_heap() {
  static const HANDLE heap = HeapCreate(0, 64 << 20, 0);
  return heap;
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* block = HeapAlloc(simulator_heap(), 0, size ? size : 1)) return block;
  std::fprintf(stderr, "host simulator: no memory for %lu bytes of its own\n",
               static_cast<unsigned long>(size));
  std::abort();
}

void operator delete(void* block) noexcept {
  if (block) HeapFree(simulator_heap(), 0, block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace sim {

std::size_t crt_heap_in_use() {
  _HEAPINFO entry{};
  std::size_t used = 0;
  while (_heapwalk(&entry) == _HEAPOK)
    if (entry._useflag == _USEDENTRY) used += entry._size;
  return used;
}

}  // namespace sim
