#include "views/view.h"

#include <algorithm>

#include "views/view_numbers.h"

namespace far_tolvane {

view::view() : number(allocate_view_number()) {}

view::view(const view&) : view() {}

view::~view() { release_view_number(number); }

void view::refresh_from_active_panel() {}

void view::refresh_from_passive_panel() {}

void view::add_slot(panel_slot* slot) { shown_in.push_back(slot); }

void view::remove_slot(panel_slot* slot) {
  auto it = std::find(shown_in.begin(), shown_in.end(), slot);
  if (it != shown_in.end()) shown_in.erase(it);
}

}  // namespace far_tolvane
