#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "views/view.h"
#include "views/view_numbers.h"

using namespace far_tolvane;

namespace {

// The smallest concrete view: only its number and slots matter here.
class plain_view final : public view {
 public:
  int kind_message_id() const override { return 15; }
  const char* path() const override { return "C:\\"; }
  const char* short_path(int) const override { return "C:\\"; }
  bool is_special_panel() const override { return false; }
  bool exists() const override { return true; }
  bool check_exists() override { return true; }
  bool apply() const override { return true; }
  std::unique_ptr<view> clone() const override { return std::make_unique<plain_view>(*this); }
};

}  // namespace

TEST(view_numbers, new_views_take_the_smallest_free_number) {
  auto first = std::make_unique<plain_view>();
  auto second = std::make_unique<plain_view>();
  auto third = std::make_unique<plain_view>();
  EXPECT_EQ(first->number, 1);
  EXPECT_EQ(second->number, 2);
  EXPECT_EQ(third->number, 3);
  second.reset();
  auto reused = std::make_unique<plain_view>();
  EXPECT_EQ(reused->number, 2);
  EXPECT_EQ(std::make_unique<plain_view>()->number, 4);
  first.reset();
  EXPECT_EQ(std::make_unique<plain_view>()->number, 1) << "with {2, 3} in use";
}

TEST(view_numbers, a_clone_gets_a_new_number_and_no_panel) {
  plain_view source;
  source.add_slot(nullptr);
  auto copy = source.clone();
  EXPECT_EQ(copy->number, 2);
  EXPECT_TRUE(copy->shown_in.empty());
}

TEST(view_numbers, largest_number_is_at_least_one) {
  EXPECT_EQ(largest_view_number(), 1);
  std::vector<std::unique_ptr<plain_view>> views;
  for (int i = 0; i < 10; ++i) views.push_back(std::make_unique<plain_view>());
  views.erase(views.begin() + 2, views.begin() + 9);  // leaves 1, 2, 10
  EXPECT_EQ(largest_view_number(), 10);
  release_view_number(99);  // unknown numbers are ignored
  EXPECT_EQ(view_numbers.size(), 3u);
}

TEST(view_numbers, renumbering_counts_up_from_the_last_entry) {
  std::vector<std::unique_ptr<plain_view>> views;
  for (int i = 0; i < 7; ++i) views.push_back(std::make_unique<plain_view>());
  node_list<view*> order = {views[4].get(), views[1].get(), views[6].get()};  // 5, 2, 7
  views.erase(views.begin() + 5);
  views.erase(views.begin() + 3);
  views.erase(views.begin() + 2);
  views.erase(views.begin());
  renumber_views(order);
  std::vector<int> numbers;
  for (auto* each : order) numbers.push_back(each->number);
  EXPECT_EQ(numbers, (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(std::make_unique<plain_view>()->number, 4);
}
