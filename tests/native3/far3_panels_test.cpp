// The FAR 3 build's panels: names in any script, paths past the classic limit, what an apply
// asks of FAR 3 (whose sort calls re-sort and whose directory call re-reads), and a view's
// folder that is gone.
#include <algorithm>
#include <cstdio>

#include "binding/panels.h"
#include "far3/lifecycle.h"
#include "host_core/unicode.h"
#include "native/failing_allocations.h"
#include "native3/far3_fixture.h"
#include "slots/view_registry.h"

namespace {

using host_core::panel;

// A path deeper than the classic 259 characters, of Cyrillic and CJK folders, each made.
std::string deep_dir(fake_windows::machine& win) {
  std::string dir = "C:";
  for (const char* part : {"Проекты_", "資料フォルダ_", "архив_", "отчёты_", "данные_"}) {
    dir += "\\" + std::string(part) + std::string(60, 'x');
    win.add_dir(dir);
  }
  EXPECT_GT(host_core::utf16_of(dir).size(), 300u);
  return dir;
}

std::vector<std::string> sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST_F(far3_test, cyrillic_names_are_listed_previewed_committed_and_selected_exactly) {
  two_panels();
  make_dir("C:\\Проекты", {"отчёт1.txt", "Отчёт1.txt", "отчёт2.txt", "план.doc", "資料.txt"});
  start();
  add_view("C:\\Проекты", {"отчёт1.txt", "資料.txt"});
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().dir, "C:\\Проекты");
    // By name, exact and case-sensitive: the capitalised twin stays unselected.
    EXPECT_EQ(sorted(focused().selected_names()), sorted({"отчёт1.txt", "資料.txt"}));
  });
  host.press("Enter");
  open();
  EXPECT_EQ(lines().at(2).rfind("3. Files   C:\\Проекты ", 0), 0u) << lines().at(2);

  host.press("Esc");
  open();
  EXPECT_EQ(lines().at(0).rfind("3. Files < C:\\Проекты ", 0), 0u) << lines().at(0);
  EXPECT_EQ(focused().dir, "C:\\Проекты");
}

TEST_F(far3_test, a_directory_past_the_classic_limit_is_listed_previewed_and_committed) {
  two_panels();
  const std::string deep = deep_dir(win);
  make_dir(deep, {"тест.txt", "b.txt"});
  win.console_cols = 400;
  start();
  add_view(deep, {"тест.txt"});
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().dir, deep);
    EXPECT_EQ(focused().selected_names(), std::vector<std::string>{"тест.txt"});
  });
  host.press("Enter");
  open();
  // Whole, and found where it is: a wide console leaves the path uncut.
  EXPECT_NE(lines().at(2).find("3. Files   " + deep + " "), std::string::npos) << lines().at(2);
  host.press("Esc");
  open();
  EXPECT_EQ(focused().dir, deep);
  EXPECT_EQ(lines().at(0).rfind("3. Files < " + deep, 0), 0u);
}

// Windows reaches a path of 260 characters or more only with "\\?\" before it ("\\?\UNC\" for a
// network one); a path that has a prefix already names its folder as it is.
TEST_F(far3_test, a_folder_is_found_by_each_of_its_names_short_and_past_the_classic_limit) {
  const std::string volume = "\\\\?\\Volume{5f3c2a10-8d4e-4b7a-9c61-0e2f7a9b4d38}";
  const std::string tail = "\\" + std::string(130, 'a') + "\\" + std::string(140, 'b');
  struct name {
    std::string made;
    std::string asked;
    bool long_too;
  };
  const std::vector<name> names{
      {"C:\\Plain", "C:\\Plain", true},
      {"\\\\server\\share\\Net", "\\\\server\\share\\Net", true},
      {"C:\\Plain", "\\\\?\\C:\\Plain", true},
      {"\\\\server\\share\\Net", "\\\\?\\UNC\\server\\share\\Net", true},
      {volume + "\\Data", volume + "\\Data", true},
      {volume + "\\", volume + "\\", false},
      {"C:\\Plain", "\\\\.\\C:\\Plain", false},
  };
  for (const name& each : names) {
    for (const bool deep : {false, true}) {
      if (deep && !each.long_too) continue;
      const std::string made = deep ? each.made + tail : each.made;
      const std::string asked = deep ? each.asked + tail : each.asked;
      win.add_dir(made);
      EXPECT_EQ(host_core::utf16_of(asked).size() >= 260, deep) << asked;
      EXPECT_TRUE(far_tolvane::directory_exists(host_core::wide_of(asked).c_str())) << asked;
      EXPECT_FALSE(far_tolvane::directory_exists(host_core::wide_of(asked + "x").c_str())) << asked;
    }
  }
  // The limit's own length needs the prefix already.
  const std::string at_limit = "C:\\" + std::string(257, 'l');
  win.add_dir(at_limit);
  EXPECT_TRUE(far_tolvane::directory_exists(host_core::wide_of(at_limit).c_str()));
}

// A view of a folder named with the prefix, past the limit, is there: walked onto, the panel
// enters it rather than falling back to C:\.
TEST_F(far3_test, views_of_prefixed_folders_past_the_classic_limit_are_previewed_there) {
  two_panels();
  const std::string deep = deep_dir(win);
  make_dir(deep, {"тест.txt"});
  const std::string share = "\\\\server\\share\\" + std::string(130, 'n');
  win.add_dir(share);
  make_dir(share + "\\" + std::string(140, 'm'), {"n.txt"});
  const std::string local = "\\\\?\\" + deep;
  const std::string network = "\\\\?\\UNC" + share.substr(1) + "\\" + std::string(140, 'm');
  win.console_cols = 400;
  start();
  add_view(local, {"тест.txt"});
  add_view(network);
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().dir, local);
    EXPECT_EQ(focused().selected_names(), std::vector<std::string>{"тест.txt"});
  });
  host.press("Down");
  host.then([&] { EXPECT_EQ(focused().dir, network); });
  host.press("Esc");
  open();
  EXPECT_EQ(lines().at(2).rfind("3. Files   " + local, 0), 0u) << lines().at(2);
  EXPECT_EQ(lines().at(3).rfind("4. Files   " + network, 0), 0u) << lines().at(3);
}

TEST_F(far3_test, a_long_location_is_cut_at_its_front_by_the_hosts_rule) {
  two_panels();
  const std::string deep = deep_dir(win);
  start();
  add_view(deep);
  host.press("Esc");
  open();
  const std::string line = lines().at(2);
  EXPECT_EQ(line.rfind("3. Files   C:\\\u2026", 0), 0u) << line;
  // The deepest folders stay in sight.
  EXPECT_NE(line.find("данные_xxxxxxxx"), std::string::npos) << line;
}

// Without memory for a copy to shorten, a path is cut to its tail by the plugin itself, and one
// that fits is given whole.
TEST_F(far3_test, a_path_is_shortened_without_memory_for_a_copy_too) {
  two_panels();
  start();
  const std::wstring fits = L"C:\\" + std::wstring(500, L'f');
  failing_allocations::refused_number = failing_allocations::made + 1;
  EXPECT_EQ(std::wstring(far_tolvane::shorten_path(fits.c_str(), 600)), fits);
  const std::wstring longer = fits + std::wstring(100, L'g');
  failing_allocations::refused_number = failing_allocations::made + 1;
  EXPECT_EQ(std::wstring(far_tolvane::shorten_path(longer.c_str(), 100)),
            longer.substr(longer.size() - 100));
  failing_allocations::refused_number = 0;
}

TEST_F(far3_test, the_apply_asks_each_costly_thing_once_and_only_where_the_panel_differs) {
  two_panels();
  make_dir("C:\\Work", {"a.c", "b.h", "c.c", "d.txt"});
  start();
  const std::size_t taken = host.log.size();
  // By extension, reversed: d.txt, b.h, c.c, a.c.
  add_view("C:\\Work", {"a.c", "c.c"}, [](panel& shown) {
    shown.view_mode = 4;
    shown.set_sort(host_core::SM_EXT, true);
    shown.set_cursor_and_top(3, 0);
  });
  // Each selected name in two calls, its size and its copy, and not one more.
  EXPECT_EQ(calls("FCTL_GETSELECTEDPANELITEM", taken).size(), 4u);
  const std::size_t mark = host.log.size();
  host.press("Down");
  host.then([&] {
    const auto applied = calls("FCTL_SET", mark);
    EXPECT_EQ(applied,
              (std::vector<std::string>{"FCTL_SETPANELDIRECTORY C:\\Work", "FCTL_SETVIEWMODE 4",
                                        "FCTL_SETSORTMODE 3", "FCTL_SETSORTORDER 1",
                                        "FCTL_SETSELECTION 2 1", "FCTL_SETSELECTION 3 1"}));
    EXPECT_EQ(calls("FCTL_BEGINSELECTION", mark).size(), 1u);
    EXPECT_EQ(calls("FCTL_ENDSELECTION", mark).size(), 1u);
    EXPECT_EQ(calls("FCTL_REDRAWPANEL", mark), std::vector<std::string>{"FCTL_REDRAWPANEL 3 0"});
    // The selection's bracket holds every selection call.
    std::vector<std::string> bracket;
    for (std::size_t i = mark; i < host.log.size(); ++i)
      if (host.log[i].find("SELECTION") != std::string::npos) bracket.push_back(host.log[i]);
    EXPECT_EQ(bracket.front(), "FCTL_BEGINSELECTION");
    EXPECT_EQ(bracket.back(), "FCTL_ENDSELECTION");
    EXPECT_EQ(focused().sort_mode, host_core::SM_EXT);
    EXPECT_TRUE(focused().reversed);
    EXPECT_EQ(sorted(focused().selected_names()), sorted({"a.c", "c.c"}));
    EXPECT_EQ(focused().view_mode, 4);
    EXPECT_EQ(focused().files.current, 3);
  });
  host.press("Esc");
  open();
}

TEST_F(far3_test, no_sort_call_goes_to_a_panel_that_already_sorts_so) {
  two_panels();
  make_dir("C:\\Same", {"a.txt", "b.txt"});
  start();
  add_view("C:\\Same");
  const std::size_t mark = host.log.size();
  host.press("Down");
  host.press("Esc");
  open();
  EXPECT_EQ(calls("FCTL_SETSORT", mark), std::vector<std::string>{});
  EXPECT_EQ(calls("FCTL_SETVIEWMODE", mark), std::vector<std::string>{});
  // Nothing was selected, so no bracket either.
  EXPECT_EQ(calls("FCTL_BEGINSELECTION", mark), std::vector<std::string>{});
}

TEST_F(far3_test, an_order_alone_is_set_with_the_order_call) {
  two_panels();
  make_dir("C:\\Turned", {"a.txt", "b.txt"});
  start();
  add_view("C:\\Turned", {}, [](panel& shown) { shown.set_sort(shown.sort_mode, true); });
  const std::size_t mark = host.log.size();
  host.press("Down");
  host.press("Esc");
  open();
  // Esc puts the list's own order back the same way.
  EXPECT_EQ(calls("FCTL_SETSORT", mark),
            (std::vector<std::string>{"FCTL_SETSORTORDER 1", "FCTL_SETSORTORDER 0"}));
  EXPECT_FALSE(focused().reversed);
}

// FAR 3 gives a mode chosen anew that mode's own direction: size sorts come reversed.
TEST_F(far3_test, a_mode_whose_default_is_reversed_is_turned_back_when_the_view_is_not) {
  two_panels();
  make_dir("C:\\Sizes", {"a.txt", "b.txt"});
  start();
  add_view("C:\\Sizes", {}, [](panel& shown) { shown.set_sort(host_core::SM_SIZE, false); });
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().sort_mode, host_core::SM_SIZE);
    EXPECT_FALSE(focused().reversed);
  });
  host.press("Esc");
  open();
}

// A macro's sort mode is reported from SM_USER up, and FAR will not set it: the panel keeps
// its mode and takes the view's order.
TEST_F(far3_test, a_view_sorted_by_a_macros_mode_leaves_the_panel_its_own_mode) {
  two_panels();
  make_dir("C:\\Custom", {"a.txt", "b.txt"});
  start();
  add_view("C:\\Custom", {}, [](panel& shown) { shown.set_sort(far3_host::SM_USER + 3, true); });
  const std::size_t mark = host.log.size();
  const int own = focused().sort_mode;
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().sort_mode, own);
    EXPECT_TRUE(focused().reversed);
  });
  host.press("Esc");
  open();
  EXPECT_EQ(calls("FCTL_SETSORT", mark),
            (std::vector<std::string>{"FCTL_SETSORTMODE 100003", "FCTL_SETSORTORDER 1",
                                      "FCTL_SETSORTORDER 0"}));
}

TEST_F(far3_test, a_preview_of_a_big_folder_costs_one_read_and_no_sort) {
  two_panels();
  make_big_dir("C:\\Big", 20000);
  start();
  add_view("C:\\Big");
  host.press("Esc");
  const int reads = focused().reads;
  open();
  EXPECT_EQ(focused().reads, reads) << "the opening read a folder";

  int draws = 0;
  host.then([&] { draws = list().draws; });
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().reads, reads + 1);
    EXPECT_EQ(focused().sorts, 0);
    // The new lines, the panel and the list's cursor shown at once: no flicker.
    EXPECT_EQ(list().draws - draws, 2);
  });
  host.press("Esc");
  const std::size_t mark = host.log.size();
  open();
  // With nothing selected there is no item to fetch.
  EXPECT_EQ(calls("FCTL_GETPANELITEM", mark), std::vector<std::string>{});
}

// Items are fetched one at a time: the walk for a selection ends when its last name is found.
TEST_F(far3_test, a_selection_found_early_in_a_big_folder_fetches_no_more_items) {
  two_panels();
  make_big_dir("C:\\Big", 5000);
  start();
  add_view("C:\\Big", {"f000000.txt", "f000001.txt"});
  host.press("Esc");
  open();
  const std::size_t mark = host.log.size();
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().selected_names(), (std::vector<std::string>{"f000000.txt", "f000001.txt"}));
    // Each of "..", f000000.txt and f000001.txt: its size, then its copy.
    EXPECT_EQ(calls("FCTL_GETPANELITEM", mark).size(), 6u);
  });
  host.press("Esc");
  open();
  // Names spread to the folder's end take one pass over it, every item fetched once, into one
  // block kept.
  std::vector<std::string> spread;
  for (int i = 49; i < 5000; i += 50) {
    char name[16];
    std::snprintf(name, sizeof name, "f%06d.txt", i);
    spread.emplace_back(name);
  }
  add_view("C:\\Big", spread);
  host.press("Esc");
  open();
  long long made = 0;
  std::size_t fetched = 0;
  host.then([&] {
    made = failing_allocations::made;
    fetched = host.log.size();
  });
  host.press("End");
  host.then([&] {
    EXPECT_EQ(sorted(focused().selected_names()), spread);
    EXPECT_EQ(calls("FCTL_GETPANELITEM", fetched).size(), 2u * 5001);
    EXPECT_LT(failing_allocations::made - made, 10);
  });
  host.press("Esc");
  open();
}

TEST_F(far3_test, cursor_steps_typed_ahead_cost_one_preview) {
  two_panels();
  for (const char* dir : {"C:\\B1", "C:\\B2", "C:\\B3", "C:\\B4"}) make_big_dir(dir, 5000);
  start();
  for (const char* dir : {"C:\\B1", "C:\\B2", "C:\\B3", "C:\\B4"}) add_view(dir);
  win.console_input = [this] { return host.waiting_input(); };
  host.press("Esc");
  open();
  const int reads = focused().reads;
  host.press("Down");
  host.press("Num2");
  host.wheel_turn(-120);
  host.press("Ctrl`");
  host.then([&] {
    EXPECT_EQ(focused().reads, reads + 1);
    EXPECT_EQ(focused().dir, "C:\\B4");
  });
  host.press("Esc");
  open();
}

TEST_F(far3_test, a_missing_folder_falls_back_to_c_and_keeps_its_view) {
  two_panels();
  make_dir("C:\\Gone", {"a.txt"});
  start();
  add_view("C:\\Gone", {"a.txt"});
  win.files.erase("C:\\Gone\\a.txt");
  win.files.erase("C:\\Gone");
  const std::size_t mark = host.log.size();
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().dir, "C:\\");
    EXPECT_EQ(calls("FCTL_BEGINSELECTION", mark), std::vector<std::string>{});
    // Redrawn with the cursor where FAR put it, not where the view had it.
    EXPECT_EQ(calls("FCTL_REDRAWPANEL", mark), std::vector<std::string>{"FCTL_REDRAWPANEL null"});
  });
  host.press("Enter");
  open();
  EXPECT_EQ(lines().at(2).rfind("3- Files   C:\\Gone", 0), 0u) << lines().at(2);
  host.press("Esc");
  open();
  // The committed view still names its folder; the panel sits at C:\ for it.
  EXPECT_EQ(lines().at(0).rfind("3- Files < C:\\Gone", 0), 0u) << lines().at(0);
  EXPECT_EQ(focused().dir, "C:\\");
}

// FAR 3 lets a folder that exists refuse entry (FALSE from FCTL_SETPANELDIRECTORY): the panel
// then still shows its own folder, which the rest of the view must not be applied to.
TEST_F(far3_test, a_folder_that_refuses_entry_leaves_the_panels_own_folder_alone) {
  two_panels();
  make_dir("C:\\Locked", {"a.txt", "b.txt"});
  start();
  add_view("C:\\Locked", {"a.txt"}, [](panel& shown) { shown.set_sort(host_core::SM_EXT, true); });
  host.list_dir = [this](const std::string& dir) {
    return dir == "C:\\Locked" ? std::nullopt : win.list_dir(dir);
  };
  // The focused folder holds a name the view selects.
  win.add_file("C:\\Left\\a.txt");
  host.press("Down");
  host.then([&] {
    // Left where it was, or sent to C:\ as for a folder that is gone.
    if (focused().dir == "C:\\Left") {
      EXPECT_EQ(focused().selected_names(), std::vector<std::string>{});
      EXPECT_EQ(focused().sort_mode, host_core::SM_UNSORTED);
      EXPECT_FALSE(focused().reversed);
    } else {
      EXPECT_EQ(focused().dir, "C:\\");
    }
  });
  // Enter commits the view the panel is still in; the refused one keeps its folder.
  host.press("Enter");
  open();
  EXPECT_EQ(focused().dir, "C:\\Left");
  host.press("Esc");
  open();
  std::vector<std::string> paths;
  for (const auto* each : far_tolvane::view_order)
    paths.emplace_back(host_core::utf8_of(each->path()));
  EXPECT_EQ(paths, (std::vector<std::string>{"C:\\Left", "C:\\Right", "C:\\Locked"}));
}

// FAR 3 names a plugin panel's folder as its plugin does, with the plugin's file and data after
// it: the view keeps the folder's name and is a plugin's, shown by its kind. That folder is none
// on disk, so a walk onto the view sends the panel to C:\ as for a folder that is gone.
TEST_F(far3_test, a_view_taken_on_a_plugin_panel_is_the_plugins_folder_and_falls_back_to_c) {
  two_panels();
  host.panels[1].open_plugin_panel();
  host.panels[1].plugin_dir = {"архив\\отчёты", "C:\\Right\\копия.zip", "arc"};
  start();
  add_view("C:\\Left", {}, [](panel& shown) {
    shown.open_plugin_panel();
    shown.plugin_dir = {"docs\\2024", "C:\\Left\\backup.zip", "zip"};
  });
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().kind, host_core::panel_kind::files);
    EXPECT_EQ(focused().dir, "C:\\");
  });
  host.press("Esc");
  open();
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"2. Files  < C:\\Left      ", "1. Plugin > архив\\отчёты ",
                                      "3- Plugin   docs\\2024    "}));
  EXPECT_EQ(focused().dir, "C:\\Left");
}

TEST_F(far3_test, the_current_item_standing_in_for_a_selection_is_not_taken_as_selected) {
  make_dir("C:\\Left", {"a.txt", "b.txt"});
  make_dir("C:\\Right", {"r.txt"});
  win.add_dir("C:\\Left\\Sub");
  host.made_up_dirs["C:\\Left\\Sub"] = {host_core::make_item("..", 0x10),
                                        host_core::make_item("x.txt")};
  // Nothing selected anywhere: the cursor is on ".." here and on a file over there.
  host.change_dir(host.panels[0], "C:\\Left\\Sub");
  host.change_dir(host.panels[1], "C:\\Right");
  start();
  add_view("C:\\Left", {}, [](panel& shown) { shown.move_cursor(1); });
  const std::size_t mark = host.log.size();
  host.press("Down");
  host.press("Esc");
  open();
  EXPECT_EQ(calls("FCTL_SETSELECTION", mark), std::vector<std::string>{});
  EXPECT_EQ(calls("FCTL_BEGINSELECTION", mark), std::vector<std::string>{});
}

// A tree, info or quick view panel under the list: FAR 3 moves such a panel itself to the
// folder a directory call names, and only a view-mode call turns it back into a file panel.
class far3_special_panel : public far3_test,
                           public ::testing::WithParamInterface<host_core::panel_kind> {
 protected:
  void cover_focused() {
    focused().kind = GetParam();
    if (GetParam() == host_core::panel_kind::tree) focused().build_tree();
  }
};

INSTANTIATE_TEST_SUITE_P(kinds, far3_special_panel,
                         ::testing::Values(host_core::panel_kind::tree, host_core::panel_kind::info,
                                           host_core::panel_kind::quick_view),
                         [](const ::testing::TestParamInfo<host_core::panel_kind>& kind) {
                           return kind.param == host_core::panel_kind::tree   ? "tree"
                                  : kind.param == host_core::panel_kind::info ? "info"
                                                                              : "quick_view";
                         });

// The committed view's folder is gone and the panel sits at C:\ for it, where the user turns it
// into the special panel: the view is kept as it was, so the list lets the cursor walk.
TEST_P(far3_special_panel, a_file_view_walked_onto_turns_it_into_a_file_panel_of_the_views_folder) {
  two_panels();
  make_dir("C:\\Gone", {"a.txt"});
  start();
  add_view("C:\\Gone");
  win.files.erase("C:\\Gone\\a.txt");
  win.files.erase("C:\\Gone");
  host.press("Down");
  host.press("Enter");
  open();
  ASSERT_EQ(focused().dir, "C:\\");
  cover_focused();
  host.press("Down");
  host.then([&] {
    EXPECT_EQ(focused().kind, host_core::panel_kind::files);
    EXPECT_EQ(focused().dir, "C:\\Left");
    EXPECT_EQ(focused().files.items.size(), 3u);
  });
  host.press("Enter");
  open();
  host.press("Esc");
  open();
  EXPECT_EQ(focused().kind, host_core::panel_kind::files);
  EXPECT_EQ(lines().at(0).rfind("2. Files < C:\\Left", 0), 0u) << lines().at(0);
}

// Delete is not refused there: the next view takes the panel.
TEST_P(far3_special_panel, the_view_after_its_own_deleted_one_turns_it_into_a_file_panel) {
  two_panels();
  make_dir("C:\\Work", {"w.txt"});
  start();
  add_view("C:\\Work");
  cover_focused();
  host.press("Del");
  host.then([&] {
    EXPECT_EQ(lines().size(), 2u);
    EXPECT_EQ(focused().kind, host_core::panel_kind::files);
    EXPECT_EQ(focused().dir, "C:\\Work");
  });
  host.press("Esc");
  open();
  EXPECT_EQ(focused().kind, host_core::panel_kind::files);
  EXPECT_EQ(focused().dir, "C:\\Work");
}

// Its own view, applied again by Ctrl+R, is of its own kind: the panel stays what it is.
TEST_P(far3_special_panel, its_own_view_applied_again_leaves_it_as_it_is) {
  two_panels();
  start();
  cover_focused();
  host.press("CtrlR");
  host.then([&] {
    EXPECT_EQ(focused().kind, GetParam());
    EXPECT_EQ(focused().dir, "C:\\Left");
  });
  host.press("Esc");
  open();
  EXPECT_EQ(focused().kind, GetParam());
}
