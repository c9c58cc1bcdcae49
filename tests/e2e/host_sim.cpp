#include "e2e/sim.h"
#include "host_core/real_folders.h"

namespace sim {

const char key_macro_area[] = "Software\\Far\\KeyMacros\\Tolvane";

void context::make_dir(const std::string& name, std::vector<std::string> files) {
  CreateDirectoryA(dir(name).c_str(), nullptr);
  for (const auto& file : files) {
    HANDLE handle = CreateFileA((dir(name) + "\\" + file).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
}

void context::panels(const std::string& left, const std::string& right) {
  host->change_dir(host->panels[0], dir(left));
  host->change_dir(host->panels[1], dir(right));
  host->active = 0;
}

void delete_registry_tree(const std::string& path) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

namespace {

// FAR 3 calls a waiting dialog only for input: a Ctrl tap the plugin wrote into the console
// reaches it as Ctrl alone. Waits a little for one, taking whatever the console holds.
bool console_tapped_ctrl() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  for (int waited = 0; waited < 400; waited += 10) {
    DWORD count = 0;
    INPUT_RECORD records[16];
    if (GetNumberOfConsoleInputEvents(input, &count) && count &&
        ReadConsoleInputW(input, records, 16, &count))
      for (DWORD i = 0; i < count; ++i)
        if (records[i].EventType == KEY_EVENT && !records[i].Event.KeyEvent.bKeyDown &&
            records[i].Event.KeyEvent.wVirtualKeyCode == VK_CONTROL)
          return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

}  // namespace sim

int main(int argc, char** argv) {
  if (argc < 2) return sim::usage("host_sim");
  // The scenarios make their folders with the calls of the file APIs' code page; the run clears
  // the same folder with the wide ones.
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string root = std::string(temp) + "tolvane-e2e";
  wchar_t wide_temp[MAX_PATH];
  GetTempPathW(MAX_PATH, wide_temp);
  sim::run_settings settings;
  settings.only = argc > 2 ? argv[2] : nullptr;
  settings.scratch = std::wstring(wide_temp) + L"tolvane-e2e";
  settings.summary = "e2e";
  settings.reset = [] {
    sim::delete_registry_tree(sim::key_macro_area);
    SetEnvironmentVariableA("FARUSER", nullptr);
  };
  return sim::run_scenarios<sim::context>(settings, [&](const sim::scenario<sim::context>& each) {
    host_model::model host;
    host.load_language_file(sim::folder_of(argv[1]) + "\\TolvaneEng.lng");
    host.read_dir = [](const std::string& dir, std::vector<far_host::PluginPanelItem>& items) {
      return host_core::read_real_folder(dir, false, items);
    };
    host.set_ctrl = host_core::set_ctrl_key;
    host.woken_by_plugin = sim::console_tapped_ctrl;
    // The keys come from the scenario: what the terminal puts in the console is no key typed
    // ahead, and a host would have read it.
    host.taking_key = [] { FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE)); };
    sim::context ctx{{argv[1], root, &host, 0}};
    each.run(ctx);
    return ctx.failures;
  });
}
