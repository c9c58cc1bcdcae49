#include <cstring>

#include "far170/host_api.h"
#include "far170/key_macro_table.h"
#include "far170/lifecycle.h"
#include "host/message_ids.h"
#include "host_core/key_names.h"
#include "native/failing_allocations.h"
#include "native/plugin_fixture.h"

using namespace far_tolvane;
using namespace far_host;

namespace {

const std::string area = "Software\\Far\\KeyMacros\\Tolvane";

class key_macro_table_test : public plugin_test {
 protected:
  void SetUp() override { two_panels(); }
  std::string text_of(const fake_windows::registry_value& value) {
    return std::string(value.data.begin(), value.data.end());
  }
  std::vector<key_code> sequence_of(key_code trigger) {
    auto found = key_macro_table.find(trigger);
    if (found == key_macro_table.end()) return {key_code(-1)};
    return {found->second.sequence.begin(), found->second.sequence.end()};
  }
  void entry(const std::string& key, const std::string& sequence) {
    win.set_string(area + "\\" + key, "Sequence", sequence);
  }
};

}  // namespace

TEST_F(key_macro_table_test, the_area_lies_below_the_named_user_when_faruser_is_set) {
  EXPECT_EQ(std::string(key_macro_key_path().get()), area);
  win.environment["FARUSER"] = "";
  EXPECT_EQ(std::string(key_macro_key_path().get()), area);
  win.environment["FARUSER"] = "tester";
  EXPECT_EQ(std::string(key_macro_key_path().get()),
            "Software\\Far\\Users\\tester\\KeyMacros\\Tolvane");
}

TEST_F(key_macro_table_test, a_user_name_longer_than_the_buffer_is_read_whole) {
  const std::string name(300, 'u');
  win.environment["FARUSER"] = name;
  EXPECT_EQ(std::string(key_macro_key_path().get()),
            "Software\\Far\\Users\\" + name + "\\KeyMacros\\Tolvane");
  int changes = 2;
  win.while_reading = [&] {
    if (changes-- > 0) win.environment["FARUSER"] += 'u';
  };
  EXPECT_EQ(std::string(key_macro_key_path().get()), area) << "a name that grew at both reads";
}

TEST_F(key_macro_table_test, the_first_start_writes_five_defaults_in_the_current_language) {
  start();
  const auto* written = win.find_key(area);
  ASSERT_NE(written, nullptr);
  ASSERT_EQ(written->sub_keys.size(), 5u);
  const std::pair<const char*, int> defaults[] = {
      {"CtrlF3", 8}, {"CtrlF4", 10}, {"CtrlShiftF4", 9}, {"Ctrl~", 11}, {"CtrlShift~", 12}};
  for (auto [key, description] : defaults) {
    SCOPED_TRACE(key);
    const auto& values = written->sub_keys.at(key).values;
    EXPECT_EQ(values.at("Sequence").type, REG_SZ);
    EXPECT_EQ(text_of(values.at("Sequence")), std::string(key) + '\0');
    EXPECT_EQ(values.at("Description").type, REG_SZ);
    EXPECT_EQ(text_of(values.at("Description")), host.texts[description] + '\0');
    EXPECT_EQ(values.at("DisableOutput").type, REG_DWORD);
    EXPECT_EQ(values.at("DisableOutput").data, (std::vector<BYTE>{1, 0, 0, 0}));
  }
}

TEST_F(key_macro_table_test, an_existing_area_is_never_touched) {
  win.set_string(area, "Other", "kept");
  start();
  EXPECT_TRUE(win.find_key(area)->sub_keys.empty()) << "an emptied area stays empty";
  exit_far();
  fake_windows::state().current_user.sub_keys.clear();
  start();
  EXPECT_EQ(win.find_key(area)->sub_keys.size(), 5u) << "a removed area comes back";
  win.find_key(area)->sub_keys.at("CtrlF3").values.at("Sequence").data = {'E', 'n', 't',
                                                                          'e', 'r', 0};
  exit_far();
  start();
  EXPECT_EQ(text_of(win.find_key(area)->sub_keys.at("CtrlF3").values.at("Sequence")),
            std::string("Enter") + '\0');
}

TEST_F(key_macro_table_test, nothing_is_written_under_an_area_that_could_not_be_had) {
  win.refused_key = area;
  start();
  EXPECT_EQ(win.find_key("Software\\Far\\KeyMacros"), nullptr);
  load_key_macros();
  EXPECT_TRUE(key_macro_table.empty());
}

TEST_F(key_macro_table_test, the_defaults_load_as_keys_mapped_to_themselves) {
  start();
  load_key_macros();
  EXPECT_EQ(key_macro_table.size(), 5u);
  EXPECT_EQ(sequence_of(0x0100007E), std::vector<key_code>{0x0100007E});
  EXPECT_EQ(sequence_of(0x05000173), std::vector<key_code>{0x05000173});
}

TEST_F(key_macro_table_test, sequences_split_at_blanks_only) {
  start();
  win.find_key(area)->sub_keys.clear();
  entry("Ins", "CtrlF3  Enter");
  entry("Del", "  Down   Up  ");
  entry("Home", "");
  entry("End", "    ");
  entry("PgUp", "CtrlF3\tEnter");
  entry("PgDn", "Down Upp");
  entry("NoSuchKey", "Down");
  load_key_macros();
  EXPECT_EQ(sequence_of(KEY_INS), (std::vector<key_code>{0x01000172, KEY_ENTER}));
  EXPECT_EQ(sequence_of(KEY_DEL), (std::vector<key_code>{KEY_DOWN, KEY_UP}));
  EXPECT_EQ(sequence_of(KEY_HOME), std::vector<key_code>{});
  EXPECT_EQ(sequence_of(KEY_END), std::vector<key_code>{});
  EXPECT_EQ(key_macro_table.count(KEY_PGUP), 0u) << "a tab is not a separator";
  EXPECT_EQ(key_macro_table.count(KEY_PGDN), 0u) << "one bad name drops the entry";
  EXPECT_EQ(key_macro_table.size(), 4u);
  entry("Home", "Esc");
  load_key_macros();
  EXPECT_EQ(sequence_of(KEY_HOME), std::vector<key_code>{KEY_ESC}) << "reloaded each time";
}

TEST_F(key_macro_table_test, sequence_values_that_are_missing_not_text_or_unterminated) {
  start();
  win.find_key(area)->sub_keys.clear();
  win.set_string(area + "\\Ins", "Description", "no sequence");
  win.set_string(area + "\\Del", "Sequence", "Down");
  win.find_key(area + "\\Del")->values.at("Sequence").type = REG_DWORD;
  win.set_string(area + "\\Home", "Sequence", "CtrlF3 Down", false);
  win.set_string(area + "\\End", "Sequence", "Enter");
  entry("PgUp", "Down");  // a byte longer at every read: too long for the second read
  win.while_reading = [&] {
    auto& text = win.find_key(area + "\\PgUp")->values.at("Sequence").data;
    text.insert(text.begin(), ' ');
  };
  load_key_macros();
  EXPECT_EQ(key_macro_table.count(KEY_PGUP), 0u);
  EXPECT_EQ(key_macro_table.count(KEY_INS), 0u);
  EXPECT_EQ(key_macro_table.count(KEY_DEL), 0u);
  EXPECT_EQ(sequence_of(KEY_HOME), (std::vector<key_code>{0x01000172, KEY_DOWN}));
  EXPECT_EQ(sequence_of(KEY_END), std::vector<key_code>{KEY_ENTER});
}

TEST_F(key_macro_table_test, an_entry_short_of_memory_is_left_out_whole) {
  start();
  win.find_key(area)->sub_keys.clear();
  entry("Ins", "Down Up");
  bool reached = true;
  for (long long refused = 1; reached; ++refused) {  // each allocation of a reading in turn
    failing_allocations::refused_number = failing_allocations::made + refused;
    load_key_macros();
    reached = failing_allocations::made >= failing_allocations::refused_number;
    failing_allocations::refused_number = 0;
    if (!key_macro_table.empty()) {
      EXPECT_EQ(sequence_of(KEY_INS), (std::vector<key_code>{KEY_DOWN, KEY_UP})) << refused;
    }
  }
}

TEST_F(key_macro_table_test, of_two_names_for_one_key_the_first_enumerated_wins) {
  start();
  win.find_key(area)->sub_keys.clear();
  entry("AltX", "Down");
  entry("CtrlX", "Up");
  host_standard_functions.FarNameToKey = [](const char* name) FARAPI -> int {
    return std::strcmp(name, "AltX") == 0 || std::strcmp(name, "CtrlX") == 0
               ? 0x123
               : host_core::name_to_key(name);
  };
  load_key_macros();
  EXPECT_EQ(sequence_of(0x123), std::vector<key_code>{KEY_DOWN});
}

TEST_F(key_macro_table_test, triggers_are_ordered_as_unsigned_codes) {
  start();
  win.find_key(area)->sub_keys.clear();
  entry("CtrlAltShiftF12", "Down");
  entry("Enter", "Up");
  load_key_macros();
  ASSERT_EQ(key_macro_table.size(), 2u);
  EXPECT_EQ(key_macro_table.begin()->first, KEY_ENTER);
  EXPECT_EQ(key_macro_table.rbegin()->first, 0x0700017Bu);
}
