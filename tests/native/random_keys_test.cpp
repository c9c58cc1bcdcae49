// Thousands of random keys through the list, with the view registry's invariants checked
// after every one: a delete must leave no dangling reference behind (ASan watches).
#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "dialog/view_list_dialog.h"
#include "native/plugin_fixture.h"
#include "views/view_numbers.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

// clang-format would put each key of this table on a line of its own.
// clang-format off
const key_code random_keys[] = {
    KEY_DOWN, KEY_UP, KEY_HOME, KEY_END, KEY_PGUP, KEY_PGDN, KEY_MSWHEEL_DOWN, KEY_MSWHEEL_UP,
    KEY_CTRL | KEY_TILDE, KEY_CTRL | KEY_SHIFT | KEY_TILDE, KEY_CTRL | KEY_UP,
    KEY_CTRL | KEY_DOWN, KEY_CTRL | KEY_HOME, KEY_CTRL | KEY_END, KEY_CTRL | KEY_SHIFT | KEY_F4,
    KEY_CTRL | KEY_F3, KEY_DEL, KEY_CTRL | KEY_DEL, KEY_CTRL | KEY_F4,
    KEY_CTRL | KEY_SHIFT | KEY_F5, KEY_CTRL | 'F', KEY_CTRL | 'R', KEY_CTRL | 'Q', KEY_ENTER,
    KEY_CTRL | KEY_ENTER, KEY_ESC, KEY_F10, KEY_KILLFOCUS, KEY_INS};
// clang-format on

void check_registry(const host_model::model& host) {
  std::multiset<const view*> owned, ordered;
  for (const auto& each : owned_views) owned.insert(each.get());
  for (const auto* each : view_order) ordered.insert(each);
  ASSERT_EQ(owned, ordered);
  ASSERT_EQ(std::set<const view*>(owned.begin(), owned.end()).size(), owned.size());
  ASSERT_GE(owned.size(), 2u);

  std::map<const view*, std::multiset<const panel_slot*>> showing;
  for (const auto& slot : panel_slots) {
    ASSERT_NE(slot.shown(), nullptr);
    ASSERT_EQ(owned.count(slot.shown()), 1u);
    showing[slot.shown()].insert(&slot);
  }
  std::set<int> numbers;
  for (const auto* each : view_order) {
    EXPECT_EQ(std::multiset<const panel_slot*>(each->shown_in.begin(), each->shown_in.end()),
              showing[each]);
    EXPECT_GT(each->number, 0);
    numbers.insert(each->number);
  }
  EXPECT_EQ(numbers.size(), view_order.size());
  EXPECT_EQ(numbers, std::set<int>(view_numbers.begin(), view_numbers.end()));

  const host_model::dialog* shown = host.list_dialog();
  if (!shown || shown->closed) return;
  for (const auto& text : shown->line_texts())
    for (unsigned char c : text) ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "a garbage byte: " << text;
  const int line = shown->list_pos.SelectPos;
  ASSERT_GE(line, 0);
  ASSERT_LT(line, static_cast<int>(shown->list_lines.size()));
  EXPECT_EQ(shown->list_lines[line].Flags & LIF_DISABLE, 0u);
  EXPECT_EQ(std::distance(view_order.begin(), dialog_instance->list.cursor_node), line);
  EXPECT_EQ(shown->redraw_off, 0);
}

}  // namespace

using random_keys_test = plugin_test;

TEST_F(random_keys_test, keep_the_registry_consistent) {
  std::mt19937 random(20261207);
  auto pick = [&](int below) { return static_cast<int>(random() % below); };
  // A busy host fails a share of its panel queries: all, some or none.
  auto failing_share = [&](int percent) {
    host.fail_panel_query = [&pick, percent](int) { return pick(100) < percent; };
  };
  failing_share(30);
  start_with_views(3);
  int keys_sent = 0;
  for (int opening = 0; opening < 300 && !HasFailure(); ++opening) {
    if (pick(4) == 0) host.active = 1 - host.active;
    if (pick(5) == 0) win.files.erase("C:\\V" + std::to_string(1 + pick(3)));
    if (pick(5) == 0) make_dir("C:\\V" + std::to_string(1 + pick(3)));
    if (pick(6) == 0) host.panels[pick(2)].plugin = pick(2);  // refusals and notices too
    win.ctrl_down = pick(2) == 0;
    const int share = pick(8);
    failing_share(share == 0 ? 100 : share < 3 ? 3 + pick(28) : 0);
    for (int i = 0; i < 20; ++i) {
      host.key(random_keys[pick(std::size(random_keys))]);
      if (pick(6) == 0) host.idle();
      host.then([&] { check_registry(host); });
      ++keys_sent;
    }
    while (!host.feed.empty() && !HasFailure()) {
      open();
      check_registry(host);
    }
  }
  EXPECT_GE(keys_sent, 6000);
}
