// One view of a panel of 100,000 files, held in the registry as the plugin holds it: the memory
// it takes, against a budget of 1 KB plus 1.25 times the bytes of its selected names, and the
// time of a clone deleted again at once.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <new>
#include <utility>

#include "bench/host_panels.h"
#include "host_model/record_view.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"

using namespace far_tolvane;

namespace {

// Bytes taken through operator new while `counting` is set, with the size word glibc keeps before
// each block. Its own statistics cannot tell a block in the thread cache from one in use.
bool counting = false;
std::size_t counted_bytes = 0;

std::size_t block_bytes(void* block) { return malloc_usable_size(block) + sizeof(std::size_t); }

void* take(std::size_t size) noexcept {
  void* block = std::malloc(size > 0 ? size : 1);  // NOLINT(cppcoreguidelines-no-malloc)
  if (counting && block) counted_bytes += block_bytes(block);
  return block;
}

// Out of line, or GCC takes the free() of a block it traces back to operator new for a mismatch.
[[gnu::noinline]] void release(void* block) noexcept {
  if (counting && block) counted_bytes -= block_bytes(block);
  std::free(block);  // NOLINT(cppcoreguidelines-no-malloc)
}

}  // namespace

// Every form the plugin and the standard library use, so that no block is freed by a sanitizer's
// own operator delete.
void* operator new(std::size_t size) {
  void* block = take(size);
  if (!block) throw std::bad_alloc();
  return block;
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return take(size); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }

namespace {

constexpr int file_count = 100000;

int select_every(int percent) { return percent > 0 ? 100 / percent : 0; }

// The view, its number's node, and its nodes in owned_views and view_order.
view_position add_view(std::unique_ptr<view> created) {
  owned_views.push_back(std::move(created));
  view_order.push_back(owned_views.back().get());
  return std::prev(view_order.end());
}

void remove_view(view_position position) {
  owned_views.erase(find_view(owned_views, *position));
  view_order.erase(position);
}

void memory_of_one_view(benchmark::State& state) {
  const int percent = static_cast<int>(state.range(0));
  bench::host_panel panel;
  bench::fill_panel(panel, file_count, "C:\\Big", 0, select_every(percent));
  std::size_t held = 0;
  std::size_t names = 0;
  for (auto _ : state) {
    // The view's nodes must come from fresh memory to be counted.
    while (node_spares.count > 0) ::operator delete(take_node());
    counted_bytes = 0;
    counting = true;
    std::unique_ptr<file_panel_view> created = host_model::view_of_record(panel.info);
    names = created->selection().bytes();
    const view_position added = add_view(std::move(created));
    counting = false;
    held = counted_bytes;
    remove_view(added);
  }
  state.counters["view_bytes"] = static_cast<double>(held);
  state.counters["names_bytes"] = static_cast<double>(names);
  state.counters["to_budget"] =
      static_cast<double>(held) / (1024 + 1.25 * static_cast<double>(names));
}

void clone_and_delete(benchmark::State& state) {
  const int percent = static_cast<int>(state.range(0));
  bench::host_panel panel;
  bench::fill_panel(panel, file_count, "C:\\Big", 0, select_every(percent));
  const view_position source = add_view(host_model::view_of_record(panel.info));
  for (auto _ : state) delete_view_at(clone_view_at(source));
  state.counters["per_clone"] =
      benchmark::Counter(static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  remove_view(source);
}

}  // namespace

BENCHMARK(memory_of_one_view)->ArgName("selected_pct")->Arg(0)->Arg(1)->Arg(100)->Iterations(3);
BENCHMARK(clone_and_delete)->ArgName("selected_pct")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
