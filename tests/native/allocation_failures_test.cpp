// One scripted session run again and again, each time with one more of the plugin's allocations
// refused, from the first to the last: start-up, openings with walks, new views, clones, a
// macro, reorders, renumbering, refreshes, deletes, a refusal notice, and exit. Each run must
// end without a crash (the sanitizers stop at the first bad access), leave the registry
// consistent after every opening, and leak nothing.
#include <cstdio>
#include <set>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "binding_common/record_block.h"
#include "far170/key_macro_table.h"
#include "far170/lifecycle.h"
#include "memory/node_pool.h"
#include "native/failing_allocations.h"
#include "native/plugin_fixture.h"
#include "slots/view_registry.h"
#include "views/owned_text.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

const std::string macro_area = "Software\\Far\\KeyMacros\\Tolvane";
// A view of the stand-in plugin panel has no folder.
const std::set<std::string> known_dirs = {"", "C:\\", "C:\\Left", "C:\\Right", "C:\\V1"};

// Returns the number of allocations the plugin made.
long long run_session(long long refused, bool keep_refusing) {
  fake_windows::reset();
  fake_windows::machine& win = fake_windows::state();
  host_model::model host;
  connect(host, win);
  for (const char* name : {"a", "b", "c"}) win.add_file(std::string("C:\\Left\\") + name);
  win.add_dir("C:\\Left");
  win.add_dir("C:\\Right");
  win.add_dir("C:\\V1");
  win.add_file("C:\\Right\\x");
  host.change_dir(host.panels[0], "C:\\Left");
  host.change_dir(host.panels[1], "C:\\Right");
  host.panels[0].select("b");
  host.panels[1].select("x");
  // A macro that clones, closes the list and leaves a key to post.
  win.set_string(macro_area + "\\Ins", "Sequence", "CtrlF3 Enter Down");

  failing_allocations::made = 0;
  failing_allocations::refused_number = refused;
  failing_allocations::keep_refusing = keep_refusing;
  const PluginStartupInfo info = host.startup_info();
  set_startup_info(&info);
  auto opening = [&](std::initializer_list<key_code> keys) {
    // Without spare nodes left from before, an insertion that did not reserve its node takes a
    // fresh one, which a run then refuses.
    while (node_spares.count > 0) ::operator delete(node_spares.blocks[--node_spares.count]);
    host.feed.clear();
    for (const key_code key : keys) {
      host.key(key);
      host.then([&host] { check_registry(host); });
    }
    const std::size_t dialogs_before = host.dialogs.size();
    open_plugin(0, 0);
    if (panel_slots.empty()) return;  // memory too short ever since start-up
    check_registry(host);
    const view* own = active_slot->shown();
    if (host.dialogs.size() > dialogs_before && own->exists() && !own->is_special_panel()) {
      EXPECT_EQ(host.active_panel().dir, own->path()) << "the panel shows its view; " << refused;
    }
  };
  opening({KEY_DOWN, KEY_CTRL | KEY_F3, KEY_CTRL | KEY_SHIFT | KEY_F4, KEY_UP, KEY_CTRL | KEY_DOWN,
           KEY_CTRL | KEY_HOME, KEY_CTRL | KEY_SHIFT | KEY_F5, KEY_CTRL | 'R', KEY_DEL,
           KEY_CTRL | 'Q', KEY_CTRL | 'Q', KEY_CTRL | 'F', KEY_END, KEY_ENTER});
  host.active = 1;
  host.change_dir(host.panels[1], "C:\\V1");
  opening({KEY_DOWN, KEY_INS});
  opening({KEY_CTRL | KEY_F3, KEY_PGDN, KEY_CTRL | KEY_F4, KEY_ESC});
  host.change_dir(host.panels[1], "C:\\V1");
  opening({KEY_CTRL | KEY_SHIFT | KEY_F4, KEY_ENTER});
  host.panels[1].open_plugin_panel();
  opening({KEY_DOWN, KEY_ESC, KEY_ESC});

  EXPECT_TRUE(keep_refusing || !panel_slots.empty());
  for (const view* each : view_order) EXPECT_EQ(known_dirs.count(each->path()), 1u) << refused;
  const long long made = failing_allocations::made;
  failing_allocations::refused_number = 0;
  exit_far();
  key_macro_table.clear();
  return made;
}

}  // namespace

TEST(allocation_failures, any_one_failing_allocation_leaves_a_consistent_plugin_and_no_leak) {
  const long long total = run_session(0, false);
  ASSERT_GT(total, 50);
  for (const bool keep_refusing : {false, true}) {  // the one allocation, or it and all after it
    for (long long refused = 1; refused <= total && !testing::Test::HasFailure(); ++refused) {
      run_session(refused, keep_refusing);
#if defined(__SANITIZE_ADDRESS__)
      ASSERT_EQ(__lsan_do_recoverable_leak_check(), 0) << "allocation " << refused << " refused";
#endif
    }
  }
  RecordProperty("allocations", std::to_string(total));
  std::printf("allocation points walked: %lld\n", total);
}

TEST(allocation_failures, spare_nodes_come_as_asked_up_to_their_number_and_go_with_their_pool) {
  while (node_spares.count > 0) ::operator delete(node_spares.blocks[--node_spares.count]);
  failing_allocations::refused_number = failing_allocations::made + 2;
  EXPECT_FALSE(reserve_nodes(3));
  failing_allocations::refused_number = 0;
  EXPECT_TRUE(reserve_nodes(3));
  EXPECT_EQ(node_spares.count, 3);
  EXPECT_TRUE(reserve_nodes(max_spare_nodes + 1));
  EXPECT_EQ(node_spares.count, max_spare_nodes);
  {
    spare_nodes pool;
    while (pool.count < 2) pool.blocks[pool.count++] = ::operator new(node_block_size);
  }
#if defined(__SANITIZE_ADDRESS__)
  EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
}

// The records the host reads the list from are kept for the next filling: memory is asked for
// only when more lines come, and a refusal leaves the block as it was.
TEST(allocation_failures, the_list_records_grow_only_when_more_are_asked_for) {
  record_block<int> block;
  ASSERT_TRUE(block.reserve(3));
  const int* first = block.get();
  const long long made = failing_allocations::made;
  EXPECT_TRUE(block.reserve(3));
  EXPECT_TRUE(block.reserve(1));
  EXPECT_EQ(failing_allocations::made, made);
  failing_allocations::refused_number = failing_allocations::made + 1;
  EXPECT_FALSE(block.reserve(4));
  failing_allocations::refused_number = 0;
  EXPECT_EQ(block.get(), first);
  EXPECT_TRUE(block.reserve(4));
  EXPECT_NE(block.get(), first);
}

// A text as long as a classic path is kept in place; a longer one takes a block of its own,
// which a short one taken after it gives back.
TEST(allocation_failures, a_text_past_a_classic_paths_length_takes_a_block) {
  owned_text text;
  for (const std::size_t size : {259u, 260u, 261u, 3u}) {
    const long long made = failing_allocations::made;
    const std::string wanted(size, static_cast<char>('a' + size % 26));
    ASSERT_TRUE(text.assign(wanted));
    EXPECT_EQ(failing_allocations::made - made, size < 260 ? 0 : 1) << size;
    EXPECT_EQ(std::string(text.c_str()), wanted) << size;
  }
}
