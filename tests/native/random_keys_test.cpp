// Thousands of random keys through the list, with the view registry's invariants checked
// after every one: a delete must leave no dangling reference behind (ASan watches).
#include <random>

#include "dialog/view_list_dialog.h"
#include "far170/lifecycle.h"
#include "native/plugin_fixture.h"

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
    if (pick(6) == 0) {  // refusals and notices too
      host_model::panel& side = host.panels[pick(2)];
      if (pick(2))
        side.open_plugin_panel();
      else
        side.close_plugin_panel();
    }
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
      open_plugin(0, 0);  // the keys a closed list leaves go to the next opening
      check_registry(host);
    }
  }
  EXPECT_GE(keys_sent, 6000);
}
