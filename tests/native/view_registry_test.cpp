#include "native/plugin_fixture.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"
#include "views/view_numbers.h"

using namespace far_tolvane;

namespace {

class view_registry_test : public plugin_test {
 protected:
  view* view_at(int index) { return *std::next(view_order.begin(), index); }
  panel_slot* left() { return &panel_slots.front(); }
  panel_slot* right() { return &panel_slots.back(); }
};

}  // namespace

TEST_F(view_registry_test, focus_is_decided_from_the_panel_rectangles) {
  struct {
    far_host::RECT focused, other;
    bool left_active;
  } cases[] = {
      {{0, 1, 59, 30}, {60, 1, 119, 30}, true}, {{60, 1, 119, 30}, {0, 1, 59, 30}, false},
      {{5, 1, 59, 30}, {5, 1, 119, 30}, false}, {{0, 1, 59, 30}, {0, 1, 119, 30}, true},
      {{0, 1, 119, 30}, {0, 1, 59, 30}, false}, {{0, 1, 119, 30}, {0, 1, 119, 30}, false},
  };
  two_panels();
  start();
  for (const auto& each : cases) {
    host.active_panel().rect = each.focused;
    host.passive_panel().rect = each.other;
    EXPECT_EQ(is_left_panel_active(), each.left_active)
        << each.focused.left << "," << each.focused.right << " / " << each.other.left << ","
        << each.other.right;
  }
}

TEST_F(view_registry_test, start_up_captures_the_other_panel_first_with_left_focused) {
  two_panels(0);
  start();
  ASSERT_EQ(owned_views.size(), 2u);
  EXPECT_STREQ(owned_views.front()->path(), "C:\\Right");
  EXPECT_EQ(owned_views.front()->number, 1);
  EXPECT_STREQ(view_at(0)->path(), "C:\\Left");
  EXPECT_EQ(view_at(0)->number, 2);
  EXPECT_EQ(active_slot, left());
  EXPECT_EQ(left()->shown(), view_at(0));
  EXPECT_EQ(right()->shown(), view_at(1));
  EXPECT_EQ(view_at(0)->shown_in, node_list<panel_slot*>{left()});
}

TEST_F(view_registry_test, start_up_with_right_focused_keeps_the_left_slot_first) {
  two_panels(1);
  start();
  EXPECT_STREQ(view_at(0)->path(), "C:\\Right");
  EXPECT_EQ(view_at(0)->number, 2);
  EXPECT_EQ(active_slot, right());
  EXPECT_STREQ(left()->shown()->path(), "C:\\Left");
  EXPECT_STREQ(right()->shown()->path(), "C:\\Right");
}

TEST_F(view_registry_test, switching_moves_the_view_to_the_front_unless_the_order_is_fixed) {
  two_panels();
  start();
  view* stored = *clone_view_at(std::next(view_order.begin()));  // [2, 3, 1]
  auto position = std::next(view_order.begin());
  EXPECT_EQ(switch_to_view(position, true), position);
  EXPECT_EQ(order_numbers(), (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(active_slot->shown(), stored);
  auto front = switch_to_view(position, false);
  EXPECT_EQ(front, view_order.begin());
  EXPECT_EQ(order_numbers(), (std::vector<int>{3, 2, 1}));
  EXPECT_TRUE(view_at(1)->shown_in.empty());
}

TEST_F(view_registry_test, switching_to_the_shown_view_moves_the_slot_to_the_end_of_its_list) {
  two_panels();
  start();
  view* own = active_slot->shown();
  own->add_slot(right());  // a second entry ahead of which the slot will be appended
  switch_to_view(view_order.begin(), false);
  EXPECT_EQ(own->shown_in, (node_list<panel_slot*>{right(), left()}));
  own->remove_slot(right());
}

TEST_F(view_registry_test,
       opening_after_the_focus_moved_brings_the_other_view_forward_unless_fixed) {
  two_panels(0);
  start();
  for (bool fixed : {false, true}) {
    fixed_order = fixed;
    host.active = 1 - host.active;
    sync_active_slot();
    EXPECT_EQ(active_slot, fixed ? left() : right());
    EXPECT_EQ(order_numbers(), (std::vector<int>{1, 2})) << "fixed " << fixed;
  }
}

TEST_F(view_registry_test, opening_refreshes_both_shown_views_from_their_panels) {
  two_panels(0);
  start();
  make_dir("C:\\Elsewhere");
  host.change_dir(host.panels[0], "C:\\Elsewhere");
  host.change_dir(host.panels[1], "C:\\");
  sync_active_slot();
  EXPECT_STREQ(left()->shown()->path(), "C:\\Elsewhere");
  EXPECT_STREQ(right()->shown()->path(), "C:\\");
}

TEST_F(view_registry_test, new_and_cloned_views_go_before_the_position) {
  two_panels();
  start();
  auto created = create_view_at(view_order.begin());
  EXPECT_EQ(created, view_order.begin());
  EXPECT_STREQ((*created)->path(), "C:\\");
  EXPECT_TRUE((*created)->shown_in.empty());
  auto appended = create_view_at(view_order.end());
  EXPECT_EQ(std::next(appended), view_order.end());
  auto copy = clone_view_at(std::next(view_order.begin()));
  EXPECT_EQ(order_numbers(), (std::vector<int>{3, 5, 2, 1, 4}));
  EXPECT_STREQ((*copy)->path(), "C:\\Left");
  EXPECT_EQ(owned_views.back().get(), *copy);
}

TEST_F(view_registry_test, delete_clears_its_slots_and_returns_the_following_position) {
  two_panels();
  start();
  create_view_at(view_order.end());  // [2, 1, 3]
  auto next = delete_view_at(std::next(view_order.begin()));
  EXPECT_EQ(*next, view_at(1));
  EXPECT_EQ(right()->shown(), nullptr);
  EXPECT_EQ(order_numbers(), (std::vector<int>{2, 3}));
  EXPECT_EQ(owned_views.size(), 2u);
  EXPECT_EQ(delete_view_at(std::next(view_order.begin())), view_order.end());
}

TEST_F(view_registry_test, panel_side_and_the_other_panel_test_follow_the_focus) {
  two_panels(0);
  start();
  EXPECT_STREQ(panel_side(left()), "L");
  EXPECT_STREQ(panel_side(right()), "R");
  EXPECT_FALSE(is_shown_on_other_panel(left()->shown()));
  EXPECT_TRUE(is_shown_on_other_panel(right()->shown()));
  EXPECT_FALSE(is_shown_on_other_panel(*create_view_at(view_order.end())));
  host.active = 1;
  EXPECT_STREQ(panel_side(active_slot), "R") << "asked afresh, not cached";
}

TEST_F(view_registry_test, shut_down_frees_slots_views_and_order) {
  two_panels();
  start();
  clone_view_at(view_order.begin());
  destroy_all_views();
  EXPECT_TRUE(panel_slots.empty());
  EXPECT_TRUE(owned_views.empty());
  EXPECT_TRUE(view_order.empty());
  EXPECT_TRUE(view_numbers.empty());
}
