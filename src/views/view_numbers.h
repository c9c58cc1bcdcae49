// The numbers of the live views: each view gets the smallest free positive number.
#pragma once

#include "memory/node_pool.h"

namespace far_tolvane {

class view;

// Exactly the numbers of the live views.
extern node_set<int> view_numbers;

// Takes a reserved node (reserve_nodes).
int allocate_view_number();
void release_view_number(int number);
// At least 1, so that the number column is never narrower than one digit.
int largest_view_number();
// The last entry becomes 1, the first N. Needs no memory: the set's nodes are reused.
void renumber_views(const node_list<view*>& order);

}  // namespace far_tolvane
