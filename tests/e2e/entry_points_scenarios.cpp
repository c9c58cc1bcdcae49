// The DLL as the host meets it: export names, version word, the table gate, menu entry.
#include <cstring>

#include "e2e/sim.h"

using far_host::PluginInfo;

SCENARIO(exports_are_found_by_their_plain_names) {
  sim::plugin dll(ctx.dll_path);
  CHECK(dll.loaded());
  for (const char* name :
       {"GetMinFarVersion", "SetStartupInfo", "GetPluginInfo", "OpenPlugin", "ExitFAR"})
    CHECK(dll.export_named(name) != nullptr);
  CHECK(dll.export_named("_GetMinFarVersion@0") == nullptr);
  CHECK(dll.export_named("SetStartupInfo@4") == nullptr);
  CHECK(dll.min_far_version() == 0x05020146);
}

SCENARIO(a_372_byte_table_is_taken_and_the_menu_has_one_entry) {
  ctx.make_dir("Left", {"a.txt"});
  ctx.make_dir("Right", {"b.txt"});
  ctx.panels("Left", "Right");
  sim::plugin dll(ctx.dll_path);
  dll.set_startup_info(ctx.host->startup_info(372));
  PluginInfo info;
  std::memset(&info, 0x5A, sizeof info);
  dll.get_plugin_info(info);
  CHECK(info.StructSize == 44);
  CHECK(info.PluginMenuStringsNumber == 1);
  CHECK(std::strcmp(info.PluginMenuStrings[0], ctx.host->texts[4].c_str()) == 0);
  CHECK(info.Flags == 0x5A5A5A5A);
  CHECK(info.DiskMenuStringsNumber == 0x5A5A5A5A);
  CHECK(info.CommandPrefix == reinterpret_cast<const char*>(0x5A5A5A5A));
  ctx.host->key(far_host::KEY_ESC);
  CHECK(dll.open() == INVALID_HANDLE_VALUE);
  CHECK(ctx.host->list_dialog() != nullptr);
  CHECK(!ctx.host->ran_dry);
  dll.exit_far();
}

SCENARIO(a_371_byte_table_is_refused_with_the_warning) {
  sim::plugin dll(ctx.dll_path);
  dll.set_startup_info(ctx.host->startup_info(371));
  CHECK(ctx.host->log.empty());
  CHECK(dll.open() == INVALID_HANDLE_VALUE);
  CHECK(ctx.host->messages_shown.size() == 1);
  if (ctx.host->messages_shown.size() == 1) {
    const auto& shown = ctx.host->messages_shown[0];
    CHECK(shown.size() == 3 && shown[0] == ctx.host->texts[0] && shown[1] == ctx.host->texts[1] &&
          shown[2] == ctx.host->texts[2]);
  }
  CHECK(ctx.host->calls("Message") == std::vector<std::string>{"Message flags 1 buttons 1"});
  CHECK(ctx.host->dialogs.empty());
  dll.exit_far();
}

SCENARIO(a_table_without_getmsg_is_never_called_through) {
  sim::plugin dll(ctx.dll_path);
  dll.set_startup_info(ctx.host->startup_info(284));
  CHECK(dll.open() == INVALID_HANDLE_VALUE);
  CHECK(ctx.host->log.empty());
  dll.exit_far();
}

SCENARIO(exit_without_opening_frees_everything_and_the_dll_unloads) {
  ctx.make_dir("Left");
  ctx.make_dir("Right");
  ctx.panels("Left", "Right");
  {
    sim::plugin dll(ctx.dll_path);
    const std::size_t loaded = sim::crt_heap_in_use();
    dll.set_startup_info(ctx.host->startup_info());
    CHECK(sim::crt_heap_in_use() > loaded);
    dll.exit_far();
    CHECK(sim::crt_heap_in_use() == loaded);
  }
  sim::plugin again(ctx.dll_path);
  again.set_startup_info(ctx.host->startup_info());
  again.exit_far();
  CHECK(ctx.host->dialogs.empty());
}

SCENARIO(unloading_without_exit_frees_the_views_safely) {
  ctx.make_dir("Left", {"a.txt"});
  ctx.make_dir("Right");
  ctx.panels("Left", "Right");
  {
    sim::plugin dll(ctx.dll_path);
    dll.set_startup_info(ctx.host->startup_info());
    ctx.host->keys({far_host::KEY_CTRL | far_host::KEY_F3, far_host::KEY_ESC});
    dll.open();
  }
  sim::plugin again(ctx.dll_path);
  CHECK(again.loaded());
  again.set_startup_info(ctx.host->startup_info());
  ctx.host->key(far_host::KEY_ESC);
  again.open();
  CHECK(ctx.host->list_dialog()->line_texts().size() == 2);
  again.exit_far();
}
