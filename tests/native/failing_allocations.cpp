#include "native/failing_allocations.h"

#include <new>

namespace failing_allocations {

long long made = 0;
long long refused_number = 0;
bool keep_refusing = false;

namespace {

bool refuse() {
  ++made;
  return made == refused_number || (keep_refusing && refused_number > 0 && made > refused_number);
}

}  // namespace

}  // namespace failing_allocations

// Backed by the throwing forms, so that the sanitizers pair each block with its delete.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (failing_allocations::refuse()) return nullptr;
  try {
    return ::operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (failing_allocations::refuse()) return nullptr;
  try {
    return ::operator new[](size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
