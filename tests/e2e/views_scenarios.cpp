// Start-up capture of both panels from real directories, seen through the list's lines.
#include <random>

#include "e2e/sim.h"

namespace {

bool line_names(const std::string& line, const std::string& prefix, const std::string& dir) {
  return line.compare(0, prefix.size(), prefix) == 0 && line.find(dir + " ") != std::string::npos;
}

}  // namespace

SCENARIO(start_up_captures_both_panels_and_exit_frees_them) {
  ctx.make_dir("Left", {"a.txt", "b.txt", "c.txt"});
  ctx.make_dir("Right", {"x.txt"});
  ctx.panels("Left", "Right");
  for (int round = 0; round < 2; ++round) {
    sim::plugin dll(ctx.dll_path);
    dll.set_startup_info(ctx.host->startup_info());
    ctx.host->key(far_host::KEY_ESC);
    dll.open();
    const auto* shown = ctx.host->list_dialog();
    CHECK(shown != nullptr);
    if (!shown) return;
    const auto lines = shown->line_texts();
    CHECK(lines.size() == 2);
    if (lines.size() != 2) return;
    CHECK(line_names(lines[0], "2. Files < ", ctx.dir("Left")));
    CHECK(line_names(lines[1], "1. Files > ", ctx.dir("Right")));
    CHECK(shown->list().lines[1].Flags == far_host::LIF_DISABLE);
    CHECK(shown->list().lines[0].Flags == 0);
    dll.exit_far();
  }
}

// A busy host fails panel queries and leaves its own bytes in the record: every one at start-up,
// then a share of them through openings with walks and clones. The next normal opening finds the
// panels' views as usual.
SCENARIO(failing_panel_queries_leave_no_garbage_and_the_next_opening_is_as_usual) {
  using namespace far_host;
  ctx.make_dir("Left", {"a.txt", "b.txt"});
  ctx.make_dir("Right", {"x.txt"});
  ctx.panels("Left", "Right");
  ctx.host->panels[0].select("a.txt");
  sim::plugin dll(ctx.dll_path);
  ctx.host->fail_panel_query = [](int) { return true; };
  dll.set_startup_info(ctx.host->startup_info());
  std::mt19937 random(9);
  ctx.host->fail_panel_query = [&random](int) { return random() % 100 < 30; };
  for (int opening = 0; opening < 20; ++opening) {
    ctx.host->keys({KEY_CTRL | KEY_F3, KEY_DOWN, KEY_DOWN, KEY_UP, KEY_END, KEY_ESC});
    dll.open();
    CHECK(host_model::lines_printable(*ctx.host->list_dialog()));
  }
  ctx.host->fail_panel_query = nullptr;
  ctx.panels("Left", "Right");  // wherever the walks left them
  ctx.host->key(KEY_ESC);
  dll.open();
  const auto lines = ctx.host->list_dialog()->line_texts();
  int left = 0, right = 0;
  for (const auto& line : lines) {
    left += line.find("< " + ctx.dir("Left") + " ") != std::string::npos;
    right += line.find("> " + ctx.dir("Right") + " ") != std::string::npos;
  }
  CHECK(left == 1 && right == 1);
  dll.exit_far();
}
