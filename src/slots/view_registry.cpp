#include "slots/view_registry.h"

#include "host/far_api.h"
#include "views/file_panel_view.h"

namespace far_tolvane {

panel_slot* active_slot = nullptr;
bool fixed_order = false;

namespace {

panel_slot& focused_panel_slot() {
  return is_left_panel_active() ? panel_slots.front() : panel_slots.back();
}

panel_slot& other_panel_slot() {
  return is_left_panel_active() ? panel_slots.back() : panel_slots.front();
}

// Views are kept in owned_views; the display order gets a plain reference.
view* adopt(std::unique_ptr<view> created) {
  owned_views.push_back(std::move(created));
  return owned_views.back().get();
}

}  // namespace

// Asked afresh every time: the user may move the focus between two openings.
bool is_left_panel_active() {
  const far_host::PanelInfo focused = query_panel(far_host::FCTL_GETPANELINFO);
  const far_host::PanelInfo other = query_panel(far_host::FCTL_GETANOTHERPANELINFO);
  if (focused.PanelRect.left != 0) return false;
  if (other.PanelRect.left != 0) return true;
  return focused.PanelRect.right < other.PanelRect.right;
}

void create_initial_views() {
  const bool left_active = is_left_panel_active();
  view* other = adopt(file_panel_view::capture_passive_panel());
  view_order.push_front(other);
  view* focused = adopt(file_panel_view::capture_active_panel());
  view_order.push_front(focused);
  if (left_active) {
    panel_slots.emplace_back(focused);
    panel_slots.emplace_back(other);
    active_slot = &panel_slots.front();
  } else {
    panel_slots.emplace_back(other);
    panel_slots.emplace_back(focused);
    active_slot = &panel_slots.back();
  }
}

void sync_active_slot() {
  panel_slot* focused = &focused_panel_slot();
  if (focused != active_slot) {
    active_slot = focused;
    switch_to_view(find_view(view_order, focused->shown()), fixed_order);
  }
  if (view* shown = focused_panel_slot().shown()) shown->refresh_from_active_panel();
  if (view* shown = other_panel_slot().shown()) shown->refresh_from_passive_panel();
}

void destroy_all_views() {
  while (!panel_slots.empty()) {
    panel_slots.front().detach();
    panel_slots.pop_front();
  }
  active_slot = nullptr;
  owned_views.clear();
  view_order.clear();
}

view_position switch_to_view(view_position position, bool fixed) {
  active_slot->set_view(*position);
  if (fixed) return position;
  view_order.push_front(*position);
  view_order.erase(position);
  return view_order.begin();
}

const char* panel_side(const panel_slot* slot) {
  return is_left_panel_active() == (slot == active_slot) ? "L" : "R";
}

bool is_shown_on_other_panel(const view* shown) {
  return !shown->shown_in.empty() && shown->shown_in.front() != active_slot;
}

view_position create_view_at(view_position position) {
  return view_order.insert(position, adopt(file_panel_view::create_at_fallback_dir()));
}

view_position clone_view_at(view_position position) {
  return view_order.insert(position, adopt((*position)->clone()));
}

view_position delete_view_at(view_position position) {
  view* doomed = *position;
  while (!doomed->shown_in.empty()) doomed->shown_in.front()->set_view(nullptr);
  owned_views.erase(find_view(owned_views, doomed));
  return view_order.erase(position);
}

}  // namespace far_tolvane
