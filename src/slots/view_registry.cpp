#include "slots/view_registry.h"

#include "binding/panels.h"
#include "views/file_panel_view.h"

namespace far_tolvane {

panel_slot* active_slot = nullptr;
bool fixed_order = false;

namespace {

// A view takes a node in view_numbers, owned_views and view_order.
constexpr int nodes_per_view = 3;

// Which panel has focus, and whether the host answered both queries that tell it.
struct focus_test {
  bool left;
  bool known;
};

// Asked afresh every time: the user may move the focus between two openings.
focus_test test_focus() {
  panel_report focused;
  panel_report other;
  const bool focused_known = query_panel(which_panel::focused, focused);
  const bool other_known = query_panel(which_panel::other, other);
  bool left = false;
  if (focused.left != 0)
    left = false;
  else if (other.left != 0)
    left = true;
  else
    left = focused.right < other.right;
  return {left, focused_known && other_known};
}

panel_slot& slot_of(bool left) { return left ? panel_slots.front() : panel_slots.back(); }

// The view a slot's panel may be refreshed into.
view* in_step_view(const panel_slot& slot) { return slot.in_step() ? slot.shown() : nullptr; }

// Views are kept in owned_views; the display order gets a plain reference. The caller has
// reserved the nodes.
view* adopt(std::unique_ptr<view> created) {
  owned_views.push_back(std::move(created));
  return owned_views.back().get();
}

view_position insert_new(view_position position, std::unique_ptr<view> created) {
  if (!created) return view_order.end();
  return view_order.insert(position, adopt(std::move(created)));
}

}  // namespace

bool is_left_panel_active() { return test_focus().left; }

bool create_initial_views() {
  const bool left_active = is_left_panel_active();
  if (!reserve_nodes(2 * nodes_per_view + 4)) return false;  // and two slots in two shown_in
  std::unique_ptr<view> other = file_panel_view::capture_passive_panel();
  if (!other) return false;
  std::unique_ptr<view> focused = file_panel_view::capture_active_panel();
  if (!focused) return false;
  view_order.push_front(adopt(std::move(other)));
  view* const other_view = view_order.front();
  view_order.push_front(adopt(std::move(focused)));
  view* const focused_view = view_order.front();
  panel_slots.emplace_back(left_active ? focused_view : other_view);
  panel_slots.emplace_back(left_active ? other_view : focused_view);
  active_slot = &slot_of(left_active);
  return true;
}

// A focus test the host cannot answer leaves the slots as they are: a guess could swap the two
// panels' views.
void sync_active_slot() {
  const focus_test now = test_focus();
  if (now.known && &slot_of(now.left) != active_slot) {
    active_slot = &slot_of(now.left);
    switch_to_view(find_view(view_order, active_slot->shown()), fixed_order);
  }
  const focus_test before_focused = test_focus();
  if (before_focused.known)
    if (view* shown = in_step_view(slot_of(before_focused.left)))
      shown->refresh_from_active_panel();
  const focus_test before_other = test_focus();
  if (before_other.known)
    if (view* shown = in_step_view(slot_of(!before_other.left)))
      shown->refresh_from_passive_panel();
}

// The views still name the slots in their shown_in, unread until they go too.
void destroy_all_views() {
  panel_slots.clear();
  active_slot = nullptr;
  owned_views.clear();
  view_order.clear();
}

// Moving the entry's own node keeps this free of memory, and `position` valid.
view_position switch_to_view(view_position position, bool fixed) {
  active_slot->set_view(*position);
  if (fixed) return position;
  view_order.splice(view_order.begin(), view_order, position);
  return view_order.begin();
}

const char* panel_side(const panel_slot* slot) {
  return is_left_panel_active() == (slot == active_slot) ? "L" : "R";
}

bool is_shown_on_other_panel(const view* shown) {
  return !shown->shown_in.empty() && shown->shown_in.front() != active_slot;
}

view_position create_view_at(view_position position) {
  if (!reserve_nodes(nodes_per_view)) return view_order.end();
  return insert_new(position, file_panel_view::create_at_fallback_dir());
}

view_position clone_view_at(view_position position) {
  if (!reserve_nodes(nodes_per_view)) return view_order.end();
  return insert_new(position, (*position)->clone());
}

view_position delete_view_at(view_position position) {
  view* doomed = *position;
  while (!doomed->shown_in.empty()) doomed->shown_in.front()->set_view(nullptr);
  owned_views.erase(find_view(owned_views, doomed));
  return view_order.erase(position);
}

}  // namespace far_tolvane
