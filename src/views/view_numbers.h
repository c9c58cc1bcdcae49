// The numbers of the live views: each view gets the smallest free positive number.
#pragma once

#include <list>
#include <set>

namespace far_tolvane {

class view;

// Exactly the numbers of the live views.
extern std::set<int> view_numbers;

int allocate_view_number();
void release_view_number(int number);
// At least 1, so that the number column is never narrower than one digit.
int largest_view_number();
// The last entry becomes 1, the first N.
void renumber_views(const std::list<view*>& order);

}  // namespace far_tolvane
