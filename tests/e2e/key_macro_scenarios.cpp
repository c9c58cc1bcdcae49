// The key-macro area in Wine's real registry, and a remapped key played through the real DLL.
#include "e2e/sim.h"

using far_host::KEY_CTRL;
using far_host::KEY_DOWN;
using far_host::KEY_ESC;
using far_host::KEY_F3;
using far_host::KEY_INS;
using far_host::KSFLAGS_DISABLEOUTPUT;

namespace {

std::string read_string(HKEY key, const char* name, DWORD* type, DWORD* size) {
  char buffer[256] = {};
  *size = sizeof buffer;
  if (RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(buffer), size) !=
      ERROR_SUCCESS)
    return "<missing>";
  return buffer;
}

DWORD sub_key_count(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return 999;
  DWORD count = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return count;
}

void set_sequence(const std::string& trigger, const char* sequence) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(sim::key_macro_area) + "\\" + trigger).c_str(), 0,
                  nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, "Sequence", 0, REG_SZ, reinterpret_cast<const BYTE*>(sequence),
                 static_cast<DWORD>(strlen(sequence) + 1));
  RegCloseKey(key);
}

void start_and_exit(sim::context& ctx) {
  sim::plugin dll(ctx.dll_path);
  dll.set_startup_info(ctx.host->startup_info());
  dll.exit_far();
}

}  // namespace

SCENARIO(the_first_start_writes_five_defaults_and_later_starts_write_nothing) {
  ctx.make_dir("Left");
  ctx.make_dir("Right");
  ctx.panels("Left", "Right");
  start_and_exit(ctx);
  CHECK(sub_key_count(sim::key_macro_area) == 5);
  const std::pair<const char*, int> defaults[] = {
      {"CtrlF3", 8}, {"CtrlF4", 10}, {"CtrlShiftF4", 9}, {"Ctrl~", 11}, {"CtrlShift~", 12}};
  for (auto [name, description] : defaults) {
    HKEY key;
    const std::string path = std::string(sim::key_macro_area) + "\\" + name;
    CHECK(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    CHECK(read_string(key, "Sequence", &type, &size) == name);
    CHECK(type == REG_SZ && size == strlen(name) + 1);
    CHECK(read_string(key, "Description", &type, &size) == ctx.host->texts[description]);
    CHECK(type == REG_SZ);
    DWORD value = 0;
    size = sizeof value;
    CHECK(RegQueryValueExA(key, "DisableOutput", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) == ERROR_SUCCESS);
    CHECK(type == REG_DWORD && size == 4 && value == 1);
    RegCloseKey(key);
  }
  set_sequence("CtrlF3", "Enter");
  start_and_exit(ctx);
  HKEY key;
  RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(sim::key_macro_area) + "\\CtrlF3").c_str(), 0,
                KEY_READ, &key);
  DWORD type, size;
  CHECK(read_string(key, "Sequence", &type, &size) == "Enter");
  RegCloseKey(key);

  for (auto [name, description] : defaults)
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(sim::key_macro_area) + "\\" + name).c_str());
  start_and_exit(ctx);
  CHECK(sub_key_count(sim::key_macro_area) == 0);
  sim::delete_registry_tree(sim::key_macro_area);
  start_and_exit(ctx);
  CHECK(sub_key_count(sim::key_macro_area) == 5);
}

SCENARIO(faruser_selects_the_per_user_area) {
  ctx.make_dir("Left");
  ctx.make_dir("Right");
  ctx.panels("Left", "Right");
  const std::string user_area = "Software\\Far\\Users\\e2e-tester\\KeyMacros\\Tolvane";
  sim::delete_registry_tree(user_area);
  SetEnvironmentVariableA("FARUSER", "e2e-tester");
  start_and_exit(ctx);
  SetEnvironmentVariableA("FARUSER", nullptr);
  CHECK(sub_key_count(user_area) == 5);
  CHECK(sub_key_count(sim::key_macro_area) == 999);
  sim::delete_registry_tree("Software\\Far\\Users\\e2e-tester");
}

SCENARIO(a_remapped_key_plays_and_the_rest_goes_to_the_host) {
  ctx.make_dir("Left", {"a.txt"});
  ctx.make_dir("Right", {"b.txt"});
  ctx.panels("Left", "Right");
  sim::plugin dll(ctx.dll_path);
  dll.set_startup_info(ctx.host->startup_info());
  set_sequence("CtrlF3", "CtrlF3  Enter");
  set_sequence("Ins", "CtrlShiftF4 Enter Down Esc");
  ctx.host->key(KEY_CTRL | KEY_F3);
  dll.open();
  CHECK(!ctx.host->ran_dry);
  CHECK(ctx.host->posted_keys.empty());
  ctx.host->key(KEY_INS);
  dll.open();
  CHECK(!ctx.host->ran_dry);
  CHECK(ctx.host->active_panel().dir == "C:\\");
  CHECK(ctx.host->posted_keys == (std::vector<std::vector<far_host::DWORD>>{{KEY_DOWN, KEY_ESC}}));
  CHECK(ctx.host->posted_flags == std::vector<far_host::DWORD>{KSFLAGS_DISABLEOUTPUT});
  ctx.host->key(KEY_ESC);
  dll.open();
  const auto lines = ctx.host->list_dialog()->line_texts();
  CHECK(lines.size() == 4);
  CHECK(lines.size() == 4 && lines[0].rfind("4. Files < C:\\ ", 0) == 0);
  CHECK(lines.size() == 4 && lines[1].rfind("3. Files   ", 0) == 0);
  dll.exit_far();
}
