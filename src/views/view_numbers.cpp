#include "views/view_numbers.h"

#include "views/view.h"

namespace far_tolvane {

int allocate_view_number() {
  int candidate = 1;
  for (auto it = view_numbers.begin(); it != view_numbers.end() && candidate >= *it; ++it)
    ++candidate;
  view_numbers.insert(candidate);
  return candidate;
}

void release_view_number(int number) { view_numbers.erase(number); }

int largest_view_number() {
  if (view_numbers.empty()) return 1;
  return *view_numbers.rbegin();
}

void renumber_views(const node_list<view*>& order) {
  node_set<int> renumbered;
  int number = 0;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    (*it)->number = ++number;
    if (view_numbers.empty()) continue;
    auto node = view_numbers.extract(view_numbers.begin());
    node.value() = number;
    renumbered.insert(std::move(node));
  }
  view_numbers.merge(renumbered);
}

}  // namespace far_tolvane
