// Start-up capture of both panels from real directories, seen through the list's lines.
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
    CHECK(shown->list_lines[1].Flags == far_host::LIF_DISABLE);
    CHECK(shown->list_lines[0].Flags == 0);
    dll.exit_far();
  }
}
