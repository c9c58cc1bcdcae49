#include "e2e/sim.h"
#include "host_core/real_folders.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace sim {

const char key_macro_area[] = "Software\\Far\\KeyMacros\\Tolvane";

std::vector<scenario>& registry() {
  static std::vector<scenario> all;
  return all;
}

void context::check(bool ok, const char* what, const char* file, int line) {
  if (ok) return;
  ++failures;
  std::printf("    failed: %s (%s:%d)\n", what, file, line);
}

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

void remove_tree(const std::string& dir) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!std::strcmp(found.cFileName, ".") || !std::strcmp(found.cFileName, "..")) continue;
      const std::string path = dir + "\\" + found.cFileName;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        remove_tree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(dir.c_str());
}

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

std::string folder_of(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? "." : path.substr(0, cut);
}

}  // namespace

}  // namespace sim

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: host_sim Tolvane.dll [scenario]\n");
    return 2;
  }
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string root = std::string(temp) + "tolvane-e2e";
  int passed = 0, failed = 0;
  for (const auto& each : sim::registry()) {
    if (argc > 2 && std::strcmp(argv[2], each.name) != 0) continue;
    sim::remove_tree(root);
    CreateDirectoryA(root.c_str(), nullptr);
    sim::delete_registry_tree(sim::key_macro_area);
    SetEnvironmentVariableA("FARUSER", nullptr);
    host_core::set_ctrl_key(false);

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
    sim::context ctx{argv[1], root, &host, 0};
    std::printf("%s\n", each.name);
    each.run(ctx);
    if (ctx.failures) {
      ++failed;
      std::printf("FAILED %s\n", each.name);
    } else {
      ++passed;
    }
    std::fflush(stdout);
  }
  sim::remove_tree(root);
  sim::delete_registry_tree(sim::key_macro_area);
  std::printf("e2e: %d passed, %d failed\n", passed, failed);
  return failed ? 1 : 0;
}
