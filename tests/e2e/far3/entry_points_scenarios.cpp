// The FAR 3 DLL as FAR 3 meets it: its export table, its name for itself, and its end.
#include <cstdio>
#include <cstring>
#include <set>

#include "e2e/far3/sim3.h"
#include "host_core/language_files.h"
#include "host_core/real_folders.h"
#include "host_core/unicode.h"

namespace {

// The names in the loaded module's export table, as the loader reads them.
std::set<std::string> export_names(HMODULE module) {
  std::set<std::string> names;
  const auto* base = reinterpret_cast<const unsigned char*>(module);
  const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos.e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (!entry.VirtualAddress) return names;
  const auto& exports =
      *reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* name_rvas = reinterpret_cast<const DWORD*>(base + exports.AddressOfNames);
  for (DWORD i = 0; i < exports.NumberOfNames; ++i)
    names.insert(reinterpret_cast<const char*>(base + name_rvas[i]));
  return names;
}

// FAR compares Major, Minor, Build, then Revision.
bool at_least(const far3_host::VersionInfo& have, const far3_host::VersionInfo& need) {
  if (have.Major != need.Major) return have.Major > need.Major;
  if (have.Minor != need.Minor) return have.Minor > need.Minor;
  if (have.Build != need.Build) return have.Build > need.Build;
  return have.Revision >= need.Revision;
}

bool filled(const wchar_t* text) { return text && *text; }

}  // namespace

SCENARIO(far3_the_six_entry_points_are_exported_by_their_plain_names_and_nothing_else) {
  sim3::plugin dll(ctx);
  CHECK(dll.loaded());
  if (!dll.loaded()) return;
  const std::set<std::string> expected{"GetGlobalInfoW", "SetStartupInfoW", "GetPluginInfoW",
                                       "OpenW",          "ExitFARW",        "ProcessSynchroEventW"};
  const auto names = export_names(GetModuleHandleW(host_core::wide_of(dll.path()).c_str()));
  CHECK(names == expected);
  for (const auto& name : names) std::printf("    export %s\n", name.c_str());
  for (const auto& name : expected) CHECK(dll.entry(name.c_str()) != nullptr);
  // A 32-bit build that kept the stdcall decoration would be found by no FAR 3.
  CHECK(dll.entry("_GetGlobalInfoW@4") == nullptr);
  CHECK(dll.entry("GetGlobalInfoW@4") == nullptr);
  CHECK(dll.is_far3_plugin());
  CHECK(dll.min_far_version() == 0);  // FAR 3 would take a GetMinFarVersion as API 1.70's
}

SCENARIO(far3_the_plugin_names_itself_and_far_3_would_load_it_preloaded_with_one_menu_entry) {
  ctx.make_dir("Left", {"a.txt"});
  ctx.make_dir("Right");
  ctx.panels("Left", "Right");
  sim3::plugin dll(ctx);
  // Filled past what the plugin writes, so that a field left as it was shows.
  std::memset(&dll.global, 0x5A, sizeof dll.global);
  dll.get_global_info(dll.global);
  const far3_host::GlobalInfo& global = dll.global;
  CHECK(global.StructSize == sizeof global);
  CHECK(!host_core::same_guid(global.Guid, far3_host::GUID{}));
  CHECK(filled(global.Title) && filled(global.Description) && filled(global.Author));
  if (filled(global.Title)) CHECK(host_core::utf8_of(global.Title) == "Tolvane");
  CHECK(at_least(ctx.far3->version, global.MinFarVersion));
  CHECK(global.MinFarVersion.Major == 3);
  dll.start();
  CHECK(dll.info.Flags & far3_host::PF_PRELOAD);
  CHECK(dll.info.PluginMenu.Count == 1);
  if (dll.info.PluginMenu.Count == 1) {
    CHECK(host_core::utf8_of(dll.info.PluginMenu.Strings[0]) == "Tolvane: panel views");
    CHECK(!host_core::same_guid(dll.info.PluginMenu.Guids[0], dll.global.Guid));
  }
  CHECK(dll.info.DiskMenu.Count == 0 && dll.info.PluginConfig.Count == 0);
  ctx.host->press("Esc");
  CHECK(dll.open() == nullptr);
  CHECK(ctx.list() && ctx.list()->line_texts().size() == 2);
  dll.exit();

  // Both language files beside the DLL are UTF-8 as FAR 3 reads them, and the Russian one gives
  // the menu its Russian entry.
  const std::string rus = dll.language_file("lng", "Russian");
  CHECK(!rus.empty() && !dll.language_file("lng", "English").empty());
  for (const auto& file : {rus, dll.language_file("lng", "English")})
    CHECK(host_core::is_utf8(host_core::read_whole_file(file)));
  ctx.far3->load_language_file(rus);
  dll.start();
  if (dll.info.PluginMenu.Count == 1) {
    const std::string entry = host_core::utf8_of(dll.info.PluginMenu.Strings[0]);
    std::printf("    Russian menu entry: %s\n", entry.c_str());
    CHECK(entry.rfind("Tolvane", 0) == 0 && entry.find("\xD0") != std::string::npos);
  }
  dll.exit();
}

SCENARIO(far3_exit_frees_what_the_plugin_allocated_and_the_dll_unloads_with_no_thread_left) {
  ctx.make_dir("Left", {"a.txt", "b.txt"});
  ctx.make_dir("Right", {"x.txt"});
  ctx.make_dir("Third", {"t.txt"});
  ctx.panels("Left", "Right");
  const int threads_before = sim3::thread_count();
  const std::size_t heap_before = sim::crt_heap_in_use();
  std::string loaded_from;
  {
    sim3::plugin dll(ctx);
    // The DLL's runtime takes a little as it loads, until it unloads.
    const std::size_t loaded = sim::crt_heap_in_use();
    loaded_from = dll.path();
    dll.start();
    // Views, a clone, the quick-switch form with its thread, all held when FAR exits.
    ctx.host->press("CtrlShiftF4");
    ctx.host->press("Enter");
    dll.open();
    ctx.host->change_dir(ctx.host->active_panel(), ctx.dir("Third"));
    ctx.host->press("CtrlF3");
    ctx.host->ctrl(true);
    ctx.host->press("CtrlQ");
    ctx.host->idle();
    ctx.host->then([&] { CHECK(sim3::thread_count() == threads_before + 1); });
    ctx.host->press("Esc");
    dll.open();
    host_core::set_ctrl_key(false);
    CHECK(sim3::thread_count() == threads_before);
    const std::size_t with_views = sim::crt_heap_in_use();
    CHECK(with_views > heap_before);
    dll.exit();
    const std::size_t after_exit = sim::crt_heap_in_use();
    std::printf("    C runtime heap: %lu before, %lu with views, %lu after ExitFARW\n",
                static_cast<unsigned long>(heap_before), static_cast<unsigned long>(with_views),
                static_cast<unsigned long>(after_exit));
    CHECK(after_exit == loaded);
  }
  CHECK(GetModuleHandleW(host_core::wide_of(loaded_from).c_str()) == nullptr);
  CHECK(sim3::thread_count() == threads_before);
  std::printf("    C runtime heap after unloading: %lu\n",
              static_cast<unsigned long>(sim::crt_heap_in_use()));
  CHECK(sim::crt_heap_in_use() <= heap_before);
  // Loaded again, it starts afresh.
  sim3::plugin again(ctx);
  again.start();
  ctx.host->press("Esc");
  again.open();
  CHECK(ctx.list()->line_texts().size() == 2);
  again.exit();
}
