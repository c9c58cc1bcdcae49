// Every saved view, the order the list shows them in, and the two panel slots.
#pragma once

#include <algorithm>
#include <memory>

#include "memory/node_pool.h"
#include "slots/panel_slot.h"
#include "views/view.h"

namespace far_tolvane {

using view_position = node_list<view*>::iterator;

// Owns every view, in creation order.
extern node_list<std::unique_ptr<view>> owned_views;
// The same views in display order; positions stay valid while others come and go.
extern node_list<view*> view_order;
// Owns the two slots: the left panel's first, the right panel's second.
extern node_list<panel_slot> panel_slots;
extern panel_slot* active_slot;
// When set, switching to a view leaves view_order as it is.
extern bool fixed_order;

bool is_left_panel_active();
// Nothing is made, and false returned, when memory is short.
bool create_initial_views();
void sync_active_slot();
void destroy_all_views();

view_position switch_to_view(view_position position, bool fixed);
const char* panel_side(const panel_slot* slot);
bool is_shown_on_other_panel(const view* shown);

template <typename List>
typename List::iterator find_view(List& list, const view* wanted) {
  return std::find_if(list.begin(), list.end(),
                      [wanted](const auto& entry) { return &*entry == wanted; });
}

// Each gives the end of view_order, and changes nothing, when the view cannot be made.
view_position create_view_at(view_position position);
view_position clone_view_at(view_position position);
view_position delete_view_at(view_position position);

}  // namespace far_tolvane
