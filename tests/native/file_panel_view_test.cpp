#include <cstring>
#include <deque>
#include <string>
#include <utility>

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
  PanelInfo record(int type, int plugin) {
    PanelInfo info{};
    info.PanelType = type;
    info.Plugin = plugin;
    return info;
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
    file_panel_view shown(record(each.type, each.plugin));
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
  host.active_panel().current = 2;
  host.active_panel().top = 1;
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
  EXPECT_EQ(host.active_panel().current, 2);
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
  host.active_panel().items = {host_model::make_item("ONE"), host_model::make_item("three"),
                               host_model::make_item("two"), host_model::make_item("two"),
                               host_model::make_item("zzz")};
  host.active_panel().items[4].Flags = 0x10;
  host.list_dir = [&](const std::string&) {
    return std::optional<std::vector<std::string>>{{"ONE", "three", "two", "two", "zzz"}};
  };
  shown->apply();
  const auto& items = host.active_panel().items;
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

TEST_F(file_panel_view_test, a_clone_owns_separate_copies_of_every_item_text) {
  char description[] = "described";
  char owner[] = "someone";
  char column0[] = "first column";
  char* columns[] = {column0, nullptr};
  auto& item = host.active_panel().items[0];
  item.Description = description;
  item.Owner = owner;
  item.CustomColumnData = columns;
  item.CustomColumnNumber = 2;
  auto source = capture();
  std::strcpy(description, "changed");
  auto copy = source->clone();
  auto* clone = dynamic_cast<file_panel_view*>(copy.get());
  ASSERT_NE(clone, nullptr);
  const auto& copied = clone->saved_panel().PanelItems[0];
  const auto& original = source->saved_panel().PanelItems[0];
  EXPECT_STREQ(copied.Description, "described");
  EXPECT_NE(copied.Description, original.Description);
  EXPECT_NE(copied.Owner, original.Owner);
  EXPECT_STREQ(copied.CustomColumnData[0], "first column");
  EXPECT_EQ(copied.CustomColumnData[1], nullptr) << "a null column stays null";
  EXPECT_NE(copied.CustomColumnData, original.CustomColumnData);
  EXPECT_NE(clone->number, source->number);
  source.reset();
  EXPECT_STREQ(clone->saved_panel().PanelItems[0].Owner, "someone");
  EXPECT_STREQ(clone->path(), "C:\\Left");
}

// Refreshes reuse the saved array while the items fit and replace it when the panel grows or
// shrinks much: every one must leave exactly the panel's items, each text a copy of its own, and
// no text of an earlier item behind (the sanitizers catch a leak or a second free).
TEST_F(file_panel_view_test, a_refresh_copies_the_items_and_texts_as_the_panel_grows_and_shrinks) {
  std::deque<std::string> texts;
  std::unique_ptr<file_panel_view> shown;
  auto text = [&](const std::string& value) {
    texts.push_back(value);
    return texts.back().data();
  };
  auto fill = [&](int count, int owned_from) {
    auto& items = host.active_panel().items;
    items.clear();
    for (int i = 0; i < count; ++i) {
      items.push_back(host_model::make_item("file" + std::to_string(i)));
      items.back().Description = text("text " + std::to_string(count) + "/" + std::to_string(i));
      if (i >= owned_from) items.back().Owner = text("owner " + std::to_string(i));
    }
  };
  auto check = [&](int count) {
    const PanelInfo& saved = shown->saved_panel();
    ASSERT_EQ(saved.ItemsNumber, count);
    for (int i = 0; i < count; ++i) {
      const auto& copied = saved.PanelItems[i];
      const auto& original = host.active_panel().items[i];
      EXPECT_STREQ(copied.FindData.cFileName, original.FindData.cFileName);
      EXPECT_STREQ(copied.Description, original.Description) << count << "/" << i;
      EXPECT_NE(copied.Description, original.Description);
      if (original.Owner) {
        EXPECT_STREQ(copied.Owner, original.Owner);
        EXPECT_NE(copied.Owner, original.Owner);
      } else {
        EXPECT_EQ(copied.Owner, nullptr) << count << "/" << i;
      }
    }
  };
  fill(4, 0);
  shown = capture();
  check(4);
  for (auto [count, owned_from] : {std::pair{4, 2}, {3, 0}, {1, 1}, {6, 3}}) {
    fill(count, owned_from);
    shown->refresh_from_active_panel();
    check(count);
  }
}

TEST_F(file_panel_view_test, a_failed_panel_query_never_leaves_the_record_unfilled) {
  host.fail_panel_query = [](int) { return true; };
  auto shown = capture();
  EXPECT_STREQ(shown->path(), "");
  EXPECT_EQ(shown->saved_panel().ItemsNumber, 0);
  EXPECT_EQ(shown->saved_panel().PanelItems, nullptr);
  shown->refresh_from_passive_panel();
  EXPECT_EQ(shown->saved_panel().ItemsNumber, 0);
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
}
