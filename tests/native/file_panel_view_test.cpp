#include <cstring>
#include <deque>
#include <string>
#include <utility>

#include "binding/panels.h"
#include "memory/node_pool.h"
#include "native/failing_allocations.h"
#include "native/plugin_fixture.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"

using namespace far_tolvane;
using far_host::PanelInfo;

namespace {

class file_panel_view_test : public plugin_test {
 protected:
  void SetUp() override {
    two_panels();
    start();
  }
  std::unique_ptr<file_panel_view> capture() {
    host.log.clear();
    return file_panel_view::capture_active_panel();
  }
  saved_panel_state record(int type, int plugin) {
    saved_panel_state state;
    state.panel.type = type;
    state.panel.plugin = plugin == 1;
    return state;
  }
  static std::vector<std::string> names_of(const file_panel_view& shown) {
    std::vector<std::string> names;
    const selected_names& saved = shown.selection();
    for (const char* name = saved.block(); name < saved.block() + saved.bytes();
         name += names.back().size() + 1)
      names.emplace_back(name);
    return names;
  }
};

}  // namespace

TEST_F(file_panel_view_test, names_its_kind_and_locks_on_special_panels) {
  struct {
    int type, plugin, message;
    bool special;
  } cases[] = {{0, 0, 15, false}, {0, 1, 16, true}, {1, 1, 16, true}, {1, 0, 17, true},
               {3, 0, 18, true},  {2, 0, 19, true}, {7, 0, 20, true}, {-1, 0, 20, true}};
  for (const auto& each : cases) {
    file_panel_view shown(record(each.type, each.plugin), selected_names{}, true);
    EXPECT_EQ(shown.kind_message_id(), each.message) << each.type << "/" << each.plugin;
    EXPECT_EQ(shown.is_special_panel(), each.special) << each.type << "/" << each.plugin;
  }
}

TEST_F(file_panel_view_test, a_directory_counts_as_existing_and_a_file_or_nothing_does_not) {
  auto shown = capture();
  EXPECT_TRUE(shown->exists());
  EXPECT_TRUE(shown->check_exists());
  win.files.erase("C:\\Left");
  EXPECT_FALSE(shown->check_exists());
  EXPECT_FALSE(shown->exists());
  win.add_file("C:\\Left");
  EXPECT_FALSE(shown->check_exists()) << "a regular file of that name";
}

TEST_F(file_panel_view_test, apply_restores_directory_modes_selection_and_cursor_in_order) {
  host.active_panel().view_mode = 4;
  host.active_panel().sort_mode = 7;
  host.active_panel().reversed = true;
  host.active_panel().select("b.txt");
  host.active_panel().files.current = 2;
  host.active_panel().files.top = 1;
  auto shown = capture();
  host.change_dir(host.active_panel(), "C:\\Right");
  host.active_panel().view_mode = 1;
  host.active_panel().reversed = false;
  host.log.clear();
  shown->apply();
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"Control SETPANELDIR C:\\Left", "Control SETVIEWMODE 4",
                                      "Control SETSORTMODE 7", "Control SETSORTORDER 1",
                                      "Control GETPANELINFO", "Control SETSELECTION",
                                      "Control REDRAWPANEL 2 1", "Control SETSORTORDER 1"}));
  EXPECT_EQ(host.active_panel().dir, "C:\\Left");
  EXPECT_EQ(host.active_panel().selected_names(), (std::vector<std::string>{"b.txt"}));
  EXPECT_EQ(host.active_panel().files.current, 2);
  EXPECT_TRUE(host.active_panel().reversed);
}

TEST_F(file_panel_view_test, apply_of_a_vanished_directory_goes_to_c_root_without_selection) {
  host.active_panel().select("a.txt");
  auto shown = capture();
  win.files.erase("C:\\Left");
  shown->check_exists();
  host.log.clear();
  shown->apply();
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"Control SETPANELDIR C:\\", "Control SETVIEWMODE 2",
                                      "Control SETSORTMODE 1", "Control SETSORTORDER 0",
                                      "Control REDRAWPANEL null", "Control SETSORTORDER 0"}));
  EXPECT_EQ(host.active_panel().dir, "C:\\");
  EXPECT_STREQ(shown->path(), "C:\\Left") << "the view keeps naming its own directory";
}

TEST_F(file_panel_view_test, selection_matches_names_exactly_and_takes_the_first_of_equal_names) {
  make_dir("C:\\Sel", {"one", "two", "Three"});
  host.change_dir(host.active_panel(), "C:\\Sel");
  host.active_panel().select("one");
  host.active_panel().select("two");
  host.active_panel().select("Three");
  auto shown = capture();
  // Only "two" is left as it was; "three" differs in case; "two" now appears twice.
  host.active_panel().files.items = {host_model::make_item("ONE"), host_model::make_item("three"),
                                     host_model::make_item("two"), host_model::make_item("two"),
                                     host_model::make_item("zzz")};
  host.active_panel().files.items[4].Flags = 0x10;
  host.list_dir = [&](const std::string&) {
    return std::optional<std::vector<std::string>>{{"ONE", "three", "two", "two", "zzz"}};
  };
  shown->apply();
  const auto& items = host.active_panel().files.items;
  EXPECT_EQ(items[2].Flags & far_host::PPIF_SELECTED, far_host::PPIF_SELECTED);
  EXPECT_EQ(items[3].Flags & far_host::PPIF_SELECTED, 0u);
  EXPECT_EQ(host.active_panel().selected_names(), (std::vector<std::string>{"two"}));
}

TEST_F(file_panel_view_test,
       refresh_keeps_a_missing_view_only_while_the_panel_is_exactly_at_c_root) {
  auto shown = capture();
  win.files.erase("C:\\Left");
  shown->check_exists();
  host.change_dir(host.active_panel(), "C:\\");
  shown->refresh_from_active_panel();
  EXPECT_STREQ(shown->path(), "C:\\Left");
  EXPECT_FALSE(shown->exists());
  host.active_panel().dir = "c:\\";
  shown->refresh_from_active_panel();
  EXPECT_STREQ(shown->path(), "c:\\");
  EXPECT_TRUE(shown->exists());
}

// Item texts (descriptions, owners, columns) are the host's and are never kept.
TEST_F(file_panel_view_test, a_view_keeps_the_selected_names_in_order_and_a_clone_its_own_copy) {
  char description[] = "described";
  host.active_panel().files.items[0].Description = description;
  host.active_panel().select("c.txt");
  host.active_panel().select("a.txt");
  auto source = capture();
  EXPECT_EQ(names_of(*source), (std::vector<std::string>{"a.txt", "c.txt"}));
  EXPECT_EQ(source->selection().bytes(), 12u);
  failing_allocations::refused_number = failing_allocations::made + 1;  // the names' copy
  EXPECT_EQ(source->clone(), nullptr);
  failing_allocations::refused_number = 0;
  auto copy = source->clone();
  auto* clone = dynamic_cast<file_panel_view*>(copy.get());
  ASSERT_NE(clone, nullptr);
  EXPECT_NE(clone->selection().block(), source->selection().block());
  EXPECT_NE(clone->number, source->number);
  source.reset();
  EXPECT_EQ(names_of(*clone), (std::vector<std::string>{"a.txt", "c.txt"}));
  EXPECT_STREQ(clone->path(), "C:\\Left");
  host.active_panel().files.items[0].Flags = 0;
  host.active_panel().files.items[2].Flags = 0;
  clone->apply();
  EXPECT_EQ(host.active_panel().selected_names(), (std::vector<std::string>{"a.txt", "c.txt"}));
}

// The names' block starts at 4 KB and doubles: the last letter of name 255 takes the last byte
// of the first block, leaving no room for its zero, and the zero of name 511 the last byte of
// the second. When no table for all 1025 names can be had, they are matched 512 at a time; and
// a panel of one item gets its selection too.
TEST_F(file_panel_view_test, selections_around_the_block_and_table_sizes_come_back_whole) {
  std::vector<std::string> names;
  for (int i = 0; i < 1025; ++i) {
    names.push_back(std::to_string(10000 + i).substr(1));
    names.back().resize(i == 255 ? 16 : i == 511 ? 14 : 15, 'x');
  }
  make_dir("C:\\Many", names);
  win.add_file("C:\\Many\\0000");  // first in the panel and never selected
  host.change_dir(host.active_panel(), "C:\\Many");
  for (const auto& name : names) host.active_panel().select(name);
  auto shown = capture();
  EXPECT_EQ(names_of(*shown), names);
  for (const bool table_refused : {false, true}) {
    host.change_dir(host.active_panel(), "C:\\Left");
    failing_allocations::refused_number = table_refused ? failing_allocations::made + 1 : 0;
    shown->apply();
    failing_allocations::refused_number = 0;
    EXPECT_EQ(host.active_panel().selected_names(), names) << table_refused;
  }
  make_dir("C:\\One", {"only"});
  host.change_dir(host.active_panel(), "C:\\One");
  host.active_panel().select("only");
  ASSERT_TRUE(reserve_nodes(2));  // the view's number node, taken alike in both captures
  long long made = failing_allocations::made;
  auto one = capture();
  const long long for_one = failing_allocations::made - made;
  // Names that fill the first block to its last byte take it whole: no larger one, no cut.
  std::vector<std::string> filling(256, std::string(15, 'f'));
  for (int i = 0; i < 256; ++i) filling[i].replace(0, 3, std::to_string(100 + i));
  make_dir("C:\\Full", filling);
  host.change_dir(host.active_panel(), "C:\\Full");
  for (const auto& name : filling) host.active_panel().select(name);
  ASSERT_TRUE(reserve_nodes(2));
  made = failing_allocations::made;
  auto full = capture();
  EXPECT_EQ(failing_allocations::made - made, for_one - 1) << "the one name's block is cut";
  EXPECT_EQ(names_of(*full), filling);
  host.change_dir(host.active_panel(), "C:\\Left");
  one->apply();
  EXPECT_EQ(host.active_panel().selected_names(), std::vector<std::string>{"only"});
  // Nothing to select, or nothing to select it in, needs no table.
  struct items_of final : panel_items {
    explicit items_of(int size) : n(size) {}
    int count() const override { return n; }
    host_text name(int) override { return "only"; }
    void select(int) override {}
    int n;
  } one_item(1), no_items(0);
  made = failing_allocations::made;
  selected_names().select_in(one_item);
  one->selection().select_in(no_items);
  EXPECT_EQ(failing_allocations::made, made);
}

// A refresh takes the panel's state and names whole, or, when the host cannot answer or memory
// is short, keeps the view as it was.
TEST_F(file_panel_view_test, a_refresh_replaces_the_names_and_a_failed_query_keeps_the_view) {
  host.active_panel().select("b.txt");
  auto shown = capture();
  host.active_panel().files.items[1].Flags = 0;
  host.active_panel().select("c.txt");
  host.active_panel().files.current = 2;
  shown->refresh_from_active_panel();
  EXPECT_EQ(names_of(*shown), (std::vector<std::string>{"c.txt"}));
  EXPECT_EQ(shown->saved_panel().panel.current_item, 2);
  host.fail_panel_query = [](int) { return true; };
  shown->refresh_from_passive_panel();
  shown->refresh_from_active_panel();
  EXPECT_STREQ(shown->path(), "C:\\Left");
  EXPECT_EQ(names_of(*shown), (std::vector<std::string>{"c.txt"}));
  EXPECT_EQ(shown->saved_panel().panel.current_item, 2);
  host.fail_panel_query = nullptr;
  host.active_panel().select("a.txt");
  for (const long long refused : {1, 2}) {  // the names' block, then its cut to size
    failing_allocations::refused_number = failing_allocations::made + refused;
    shown->refresh_from_active_panel();
    failing_allocations::refused_number = 0;
    EXPECT_EQ(names_of(*shown), (std::vector<std::string>{"c.txt"})) << refused;
  }
}

TEST_F(file_panel_view_test, a_failed_panel_query_never_leaves_the_record_unfilled) {
  host.fail_panel_query = [](int) { return true; };
  auto shown = capture();
  EXPECT_STREQ(shown->path(), "");
  EXPECT_EQ(shown->selection().count(), 0);
}

TEST_F(file_panel_view_test, a_new_view_moves_the_panel_to_c_root_and_captures_it) {
  auto created = file_panel_view::create_at_fallback_dir();
  EXPECT_STREQ(created->path(), "C:\\");
  EXPECT_EQ(host.active_panel().dir, "C:\\");
  EXPECT_EQ(host.calls("Control SETPANELDIR"),
            (std::vector<std::string>{"Control SETPANELDIR C:\\"}));
}

TEST_F(file_panel_view_test, short_path_is_cut_by_the_host) {
  make_dir("C:\\A long directory name");
  host.change_dir(host.active_panel(), "C:\\A long directory name");
  auto shown = capture();
  EXPECT_STREQ(shown->short_path(12), "C:\\...y name");
  EXPECT_STREQ(shown->short_path(100), "C:\\A long directory name");
  // A path longer than the host's field is cut to it before the host shortens it.
  const std::string longer = "C:\\" + std::string(300, 'p');
  EXPECT_EQ(std::string(shorten_path(longer.c_str(), 400)), longer.substr(0, 259));
}

// A faulty host may fill CurDir to its last byte: the field holds 259 characters and the
// terminator, so no more are taken.
TEST_F(file_panel_view_test, a_directory_without_its_terminator_is_taken_to_the_fields_limit) {
  const std::string whole = "C:\\" + std::string(300, 'd');
  host.answer_panel_query = [&](PanelInfo& info) {
    std::memcpy(info.CurDir, whole.data(), sizeof info.CurDir);
  };
  auto shown = capture();
  EXPECT_EQ(std::string(shown->path()), whole.substr(0, 259));
}

// A host may answer without an item array, whatever count it gives: there is nothing to select.
TEST_F(file_panel_view_test, a_record_without_items_selects_nothing) {
  host.active_panel().select("b.txt");
  auto shown = capture();
  for (const int count : {0, 3}) {
    host.answer_panel_query = [count](PanelInfo& info) {
      info.PanelItems = nullptr;
      info.ItemsNumber = count;
    };
    EXPECT_TRUE(shown->apply());
    EXPECT_EQ(host.active_panel().selected_names(), std::vector<std::string>{}) << count;
  }
  host.answer_panel_query = nullptr;
  EXPECT_EQ(host.active_panel().dir, "C:\\Left");
}

// A folder that exists but that the host will not enter leaves the panel in its own folder;
// apply says so, puts neither the view's selection nor its cursor there, and gives the panel its
// own modes back.
TEST_F(file_panel_view_test, apply_tells_a_refused_folder_from_one_entered) {
  host.active_panel().select("b.txt");
  host.active_panel().files.current = 2;
  auto shown = capture();
  make_dir("C:\\Right", {"b.txt", "z.txt"});
  host.change_dir(host.active_panel(), "C:\\Right");
  host.active_panel().files.current = 1;
  host.list_dir = [this](const std::string& dir) {
    return dir == "C:\\Left" ? std::nullopt : win.list_dir(dir);
  };
  host.log.clear();
  EXPECT_FALSE(shown->apply());
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"Control SETPANELDIR C:\\Left", "Control SETVIEWMODE 2",
                                      "Control SETSORTMODE 1", "Control SETSORTORDER 0",
                                      "Control GETPANELINFO", "Control SETSELECTION",
                                      "Control REDRAWPANEL null", "Control SETVIEWMODE 2",
                                      "Control SETSORTMODE 1", "Control SETSORTORDER 0"}));
  EXPECT_EQ(host.active_panel().dir, "C:\\Right");
  EXPECT_EQ(host.active_panel().selected_names(), std::vector<std::string>{});
  EXPECT_EQ(host.active_panel().files.current, 1);

  // Windows names the same folder in either case, with or without a closing backslash.
  host.list_dir = [this](const std::string& dir) { return win.list_dir(dir); };
  for (const char* reported : {"c:\\LEFT", "C:\\Left\\"}) {
    host.answer_panel_query = [reported](PanelInfo& info) {
      std::strncpy(info.CurDir, reported, sizeof info.CurDir - 1);
    };
    EXPECT_TRUE(shown->apply()) << reported;
  }
  for (const char* reported : {"C:\\Lef", "D:\\Left"}) {
    host.answer_panel_query = [reported](PanelInfo& info) { std::strcpy(info.CurDir, reported); };
    EXPECT_FALSE(shown->apply()) << reported;
  }
  // A root keeps its backslash: "C:" names the drive's current folder, not its root.
  host.answer_panel_query = nullptr;
  host.change_dir(host.active_panel(), "C:\\");
  auto root = capture();
  host.answer_panel_query = [](PanelInfo& info) { std::strcpy(info.CurDir, "C:"); };
  EXPECT_FALSE(root->apply());
  host.answer_panel_query = [](PanelInfo& info) { std::strcpy(info.CurDir, "c:\\"); };
  EXPECT_TRUE(root->apply());

  // ASCII letters from A to Z alike, and a record filled to its end read to 259 characters.
  const std::string az = "C:\\AZ" + std::string(254, 'z');
  make_dir(az);
  host.answer_panel_query = nullptr;
  host.change_dir(host.active_panel(), az);
  auto at_az = capture();
  ASSERT_EQ(std::string(at_az->path()), az);
  for (const std::string& reported : {"c:\\az" + std::string(254, 'Z'), az + "?"}) {
    host.answer_panel_query = [reported](PanelInfo& info) {
      std::memcpy(info.CurDir, reported.data(), reported.size());
    };
    EXPECT_TRUE(at_az->apply()) << reported.substr(0, 8);
  }
}
