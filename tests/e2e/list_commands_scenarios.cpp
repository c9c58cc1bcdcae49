// The list's commands through the real DLL on real directories.
#include "e2e/sim.h"

using namespace far_host;

namespace {

std::vector<std::string> number_columns(const host_model::dialog& shown) {
  std::vector<std::string> numbers;
  for (const auto& line : shown.line_texts()) numbers.push_back(line.substr(0, 2));
  return numbers;
}

void start(sim::context& ctx, sim::plugin& dll) {
  ctx.make_dir("Left", {"a.txt"});
  ctx.make_dir("Right", {"b.txt"});
  ctx.panels("Left", "Right");
  dll.set_startup_info(ctx.host->startup_info());
}

}  // namespace

SCENARIO(create_clone_reorder_renumber_and_delete_views) {
  sim::plugin dll(ctx.dll_path);
  start(ctx, dll);
  // New view at C:\ on line 0, a clone of it above, the clone to the bottom, renumber.
  ctx.host->keys({KEY_CTRL | KEY_SHIFT | KEY_F4, KEY_CTRL | KEY_F3});
  ctx.host->then([&] {
    CHECK(number_columns(*ctx.host->list_dialog()) ==
          (std::vector<std::string>{"4.", "3.", "2.", "1."}));
    CHECK(ctx.host->active_panel().dir == "C:\\");
  });
  ctx.host->keys({KEY_CTRL | KEY_END, KEY_CTRL | KEY_SHIFT | KEY_F5});
  ctx.host->then([&] {
    CHECK(number_columns(*ctx.host->list_dialog()) ==
          (std::vector<std::string>{"4.", "3.", "2.", "1."}));
    CHECK(ctx.host->list_dialog()->list().pos.SelectPos == 3);
  });
  ctx.host->keys({KEY_DEL});
  ctx.host->then([&] {
    const auto& shown = *ctx.host->list_dialog();
    CHECK(shown.line_texts().size() == 3);
    CHECK(shown.list().pos.SelectPos == 1);  // past the other panel's view
    CHECK(shown.height == 3 + 4);
  });
  ctx.host->key(KEY_ENTER);
  dll.open();
  CHECK(!ctx.host->ran_dry);
  CHECK(ctx.host->active_panel().dir == ctx.dir("Left"));
  dll.exit_far();
}

SCENARIO(refresh_after_a_directory_is_removed_on_disk) {
  sim::plugin dll(ctx.dll_path);
  ctx.make_dir("Gone", {"g.txt"});
  start(ctx, dll);
  // Make a stored view of Gone: switch the panel there and clone its view.
  ctx.host->change_dir(ctx.host->active_panel(), ctx.dir("Gone"));
  ctx.host->keys({KEY_CTRL | KEY_F3, KEY_ESC});
  dll.open();
  ctx.host->change_dir(ctx.host->active_panel(), ctx.dir("Left"));
  DeleteFileA((ctx.dir("Gone") + "\\g.txt").c_str());
  RemoveDirectoryA(ctx.dir("Gone").c_str());
  ctx.host->keys({KEY_HOME, KEY_CTRL | 'R'});
  ctx.host->then([&] {
    const auto lines = ctx.host->list_dialog()->line_texts();
    CHECK(lines[0].substr(0, 2) == "3-");
    CHECK(lines[0].find(ctx.dir("Gone")) != std::string::npos);
    CHECK(ctx.host->active_panel().dir == "C:\\");
  });
  ctx.host->key(KEY_ESC);
  dll.open();
  CHECK(ctx.host->active_panel().dir == ctx.dir("Left"));
  dll.exit_far();
}
