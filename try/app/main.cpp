// try_host DLL [--far3] [--lang eng|rus] [--keys "KEYS" [--screens]] [LEFT_DIR [RIGHT_DIR]]
// Runs the plugin in the try host on the two directories (Windows paths).
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/host_app.h"
#include "console/code_page.h"

namespace {

int usage() {
  std::fputs(
      "usage: try_host DLL [--far3] [--lang eng|rus] [--keys \"KEYS\" [--screens]]\n"
      "                [LEFT [RIGHT]]\n",
      stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace try_host;
  if (argc < 2) return usage();
  options settings;
  settings.dll = narrow(argv[1], CP_ACP);
  std::vector<std::wstring> dirs;
  for (int i = 2; i < argc; ++i) {
    const std::wstring word = argv[i];
    if (word == L"--lang" && i + 1 < argc) {
      const std::wstring name = argv[++i];
      if (name != L"eng" && name != L"rus") return usage();
      settings.language = name == L"rus" ? "Russian" : "English";
    } else if (word == L"--keys" && i + 1 < argc) {
      std::string unknown;
      auto keys = parse_played_keys(narrow(argv[++i], CP_ACP), unknown);
      if (!keys) {
        std::fprintf(stderr, "try host: unknown key name: %s\n", unknown.c_str());
        return 2;
      }
      settings.playback = true;
      settings.keys = std::move(*keys);
    } else if (word == L"--screens") {
      settings.screens = true;
    } else if (word == L"--far3") {
      settings.far3 = true;
    } else if (word.rfind(L"--", 0) == 0 || dirs.size() == 2) {
      return usage();
    } else {
      dirs.push_back(word);
    }
  }
  // The host keeps folders as it names them to plugins: FAR 1.7x's in the OEM code page, as the
  // file APIs give them, FAR 3's in UTF-8.
  const unsigned names = settings.far3 ? CP_UTF8 : CP_OEMCP;
  if (settings.screens && !settings.playback) return usage();
  wchar_t current[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, current);
  settings.left = narrow(dirs.size() > 0 ? dirs[0] : std::wstring(current), names);
  settings.right = dirs.size() > 1 ? narrow(dirs[1], names) : settings.left;
  host_app host(std::move(settings));
  return host.run();
}
