// The FAR 3 build's entry points as FAR 3 calls them: identity, start-up, menu, opening,
// shut-down, and a table too old to take.
#include <cstring>

#include "dialog/view_list_dialog.h"
#include "far3/host_api.h"
#include "far3/lifecycle.h"
#include "host_core/unicode.h"
#include "native3/far3_fixture.h"
#include "slots/view_registry.h"

namespace {

// FAR compares Major, Minor, Build, then Revision.
bool at_least(const far3_host::VersionInfo& have, const far3_host::VersionInfo& need) {
  if (have.Major != need.Major) return have.Major > need.Major;
  if (have.Minor != need.Minor) return have.Minor > need.Minor;
  if (have.Build != need.Build) return have.Build > need.Build;
  return have.Revision >= need.Revision;
}

}  // namespace

TEST_F(far3_test, the_plugin_names_itself_so_that_far_3_loads_it_and_keeps_its_views_from_start) {
  two_panels();
  start();
  EXPECT_TRUE(global.Title && *global.Title && global.Description && *global.Description &&
              global.Author && *global.Author);
  // FAR keeps the user's hotkey, macros and settings under these: they never change.
  EXPECT_EQ(guid_text(global.Guid), "B0C6D1C6-76CB-434C-9E60-1FAB9E95A79F");
  // Builds before the one whose records the plugin reads are refused.
  EXPECT_TRUE(at_least(far3.version, global.MinFarVersion));
  EXPECT_FALSE(at_least({3, 0, 0, 6726, far3_host::VS_RELEASE}, global.MinFarVersion));

  // Loaded at every start, so that the panels as FAR starts are the first two views.
  EXPECT_TRUE(plugin_info.Flags & far3_host::PF_PRELOAD);
  ASSERT_EQ(plugin_info.PluginMenu.Count, 1u);
  EXPECT_EQ(host_core::utf8_of(plugin_info.PluginMenu.Strings[0]), "Tolvane: panel views");
  EXPECT_EQ(guid_text(plugin_info.PluginMenu.Guids[0]), "120E7105-71F8-4FEC-8947-9E1E1EFE94F2");
  EXPECT_EQ(plugin_info.DiskMenu.Count + plugin_info.PluginConfig.Count, 0u);
  EXPECT_EQ(far_tolvane::owned_views.size(), 2u);

  host.press("Esc");
  open();
  EXPECT_EQ(lines(), (std::vector<std::string>{"2. Files < C:\\Left  ", "1. Files > C:\\Right "}));
}

TEST_F(far3_test, the_two_dialogs_carry_their_own_guids) {
  two_panels();
  host.panels[0].kind = host_core::panel_kind::info;
  start();
  host.press("Down");
  host.press("Esc");
  host.press("Esc");
  open();
  ASSERT_EQ(far3.dialogs.size(), 2u);
  const std::string list_id = guid_text(far3.dialogs[0]->id);
  const std::string notice_id = guid_text(far3.dialogs[1]->id);
  EXPECT_EQ(list_id, "4454820B-1070-4ED5-B053-3973154E6E8C");
  EXPECT_EQ(notice_id, "3A8B05A3-5874-4482-AB00-BEEC358A472F");
  for (const std::string& other :
       {guid_text(global.Guid), guid_text(plugin_info.PluginMenu.Guids[0])}) {
    EXPECT_NE(list_id, other);
    EXPECT_NE(notice_id, other);
  }
  EXPECT_EQ(far3.dialogs[0]->help_topic, "Panel_list");
  // In the dialog colours, the notice in the warning ones with its OK button; neither changed
  // its items at DN_INITDIALOG but through messages.
  EXPECT_EQ(far3.dialogs[0]->flags, 0u);
  EXPECT_EQ(far3.dialogs[1]->flags, far3_host::FDLG_WARNING);
  EXPECT_EQ(far3.dialogs[1]->items.size(), 4u);
  for (const auto& shown : far3.dialogs) EXPECT_EQ(shown->answers.at(far3_host::DN_INITDIALOG), 0);
}

TEST_F(far3_test, the_russian_texts_come_from_the_oem_file_as_far_3_reads_it) {
  far3.load_language_file(TOLVANE_LANG_DIR "/TolvaneRus.lng");
  two_panels();
  start();
  const std::string menu = host_core::utf8_of(plugin_info.PluginMenu.Strings[0]);
  EXPECT_NE(menu.find("Tolvane"), std::string::npos);
  EXPECT_TRUE(host_core::is_utf8(menu));
  EXPECT_NE(menu, "Tolvane: panel views");
  host.press("Esc");
  open();
  EXPECT_EQ(list().text(0), host_core::utf8_of(far_tolvane::GetMsg(5)));
}

TEST_F(far3_test, a_table_too_old_gets_a_warning_that_names_far_3_and_no_list) {
  two_panels();
  global.StructSize = sizeof global;
  far_tolvane::get_global_info(&global);
  far3.plugin_guid = global.Guid;
  far3_host::PluginStartupInfo info = far3.startup_info("C:\\Far\\Plugins\\Tolvane\\Tolvane.dll");
  info.StructSize = offsetof(far3_host::PluginStartupInfo, FSF);
  far_tolvane::set_startup_info(&info);
  plugin_info.StructSize = sizeof plugin_info;
  far_tolvane::get_plugin_info(&plugin_info);
  open();
  EXPECT_TRUE(far3.dialogs.empty());
  EXPECT_EQ(calls("FCTL_"), std::vector<std::string>{});
  ASSERT_EQ(far3.messages_shown.size(), 1u);
  const auto& shown = far3.messages_shown[0];
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], "Tolvane");
  EXPECT_EQ(shown[2], "OK");
  EXPECT_EQ(calls("Message"), std::vector<std::string>{"Message flags 1 buttons 1"});
  // The plugin is the FAR 3 build: the warning must not send its user to FAR 1.70.
  EXPECT_EQ(shown[1].find("1.70"), std::string::npos) << shown[1];
}

// A table whole but for its standard functions is refused with the warning; one too short to
// hold GetMsg gets none, as the warning needs both GetMsg and Message.
TEST_F(far3_test, a_table_short_of_what_the_plugin_calls_is_refused) {
  two_panels();
  global.StructSize = sizeof global;
  far_tolvane::get_global_info(&global);
  far3.plugin_guid = global.Guid;
  far3_host::FarStandardFunctions short_functions = far3.standard_functions;
  short_functions.StructSize = sizeof short_functions - sizeof(void*);
  const far3_host::PluginStartupInfo whole = far3.startup_info("C:\\Far\\Plugins\\T.dll");
  struct table {
    far3_host::PluginStartupInfo info;
    std::size_t warnings;
  };
  table tables[] = {{whole, 1}, {whole, 1}, {whole, 0}};
  tables[0].info.FSF = nullptr;
  tables[1].info.FSF = &short_functions;
  tables[2].info.StructSize = offsetof(far3_host::PluginStartupInfo, GetMsg);
  std::size_t shown = 0;
  for (const table& each : tables) {
    far_tolvane::set_startup_info(&each.info);
    plugin_info.StructSize = sizeof plugin_info;
    far_tolvane::get_plugin_info(&plugin_info);
    open();
    shown += each.warnings;
    EXPECT_EQ(far3.messages_shown.size(), shown);
  }
  EXPECT_TRUE(far3.dialogs.empty());
  EXPECT_EQ(calls("FCTL_"), std::vector<std::string>{});
}

TEST_F(far3_test, a_notice_queued_as_the_list_closes_comes_after_and_finds_nothing_to_do) {
  two_panels();
  start();
  host.ctrl(true);
  host.press("CtrlQ");
  // The plugin's thread asks again while the host takes the Enter that closes the list.
  host.taking_key = [] { fake_windows::run_thread_round(); };
  host.press("Enter");
  open();
  EXPECT_EQ(far3.notices_delivered, 1);
  EXPECT_EQ(list().exit_code, 0);
  EXPECT_EQ(win.open_threads, 0);
}

// A dialog FAR cannot make is not run: the list says so as an Esc would, and nothing changes.
TEST_F(far3_test, a_list_far_cannot_make_is_taken_as_closed_by_esc) {
  two_panels();
  start();
  far3.dialogs_refused = true;
  EXPECT_EQ(far_tolvane::dialog_instance->run(), -1);
  EXPECT_TRUE(far3.dialogs.empty());
  EXPECT_EQ(focused().dir, "C:\\Left");
  far3.dialogs_refused = false;
  host.press("Esc");
  open();
  EXPECT_EQ(lines().size(), 2u);
}
