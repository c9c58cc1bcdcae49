// Whole openings of the list on real directories: a cancelled preview, the road of one key,
// a quick switch committed by releasing Ctrl, and the ways of FAR 1.75 and FAR 3.
#include "e2e/sim.h"

using namespace far_host;

namespace {

// Starts the plugin on Left and Right, then makes a third view the user has taken to Third:
// the display order is [3 Third (focused), 2 Left, 1 Right].
void three_views(sim::context& ctx, sim::plugin& dll) {
  ctx.make_dir("Left", {"a.txt", "b.txt", "c.txt"});
  ctx.make_dir("Right", {"x.txt"});
  ctx.make_dir("Third", {"t.txt"});
  ctx.panels("Left", "Right");
  ctx.host->panels[0].select("b.txt");
  ctx.host->panels[0].files.current = 2;
  dll.set_startup_info(ctx.host->startup_info());
  ctx.host->keys({KEY_CTRL | KEY_SHIFT | KEY_F4, KEY_ENTER});
  dll.open();
  ctx.host->change_dir(ctx.host->active_panel(), ctx.dir("Third"));
}

}  // namespace

SCENARIO(esc_after_a_preview_puts_the_panel_back_and_down_then_enter_switches_it) {
  sim::plugin dll(ctx.dll_path);
  three_views(ctx, dll);
  ctx.host->key(KEY_DOWN);
  ctx.host->then([&] { CHECK(ctx.host->active_panel().dir == ctx.dir("Left")); });
  ctx.host->key(KEY_ESC);
  dll.open();
  CHECK(ctx.host->active_panel().dir == ctx.dir("Third"));
  ctx.host->keys({KEY_DOWN, KEY_ENTER});
  dll.open();
  const auto& panel = ctx.host->active_panel();
  CHECK(panel.dir == ctx.dir("Left"));
  CHECK(panel.selected_names() == std::vector<std::string>{"b.txt"});
  CHECK(panel.files.current == 2);
  ctx.host->key(KEY_ESC);
  dll.open();
  const auto lines = ctx.host->list_dialog()->line_texts();
  CHECK(lines.size() == 3 && lines[0].rfind("2. Files < ", 0) == 0);
  CHECK(!ctx.host->ran_dry);
  dll.exit_far();
}

SCENARIO(a_quick_switch_commits_when_ctrl_is_released) {
  sim::plugin dll(ctx.dll_path);
  three_views(ctx, dll);
  ctx.host->key(KEY_CTRL | 'Q');
  ctx.host->ctrl(true);
  ctx.host->key(KEY_CTRL | KEY_TILDE);
  ctx.host->idle();
  ctx.host->idle();
  ctx.host->then([&] {
    CHECK(!ctx.host->list_dialog()->closed);
    CHECK(ctx.host->list_dialog()->height == 5);
    CHECK(ctx.host->active_panel().dir == ctx.dir("Left"));
  });
  ctx.host->ctrl(false);
  ctx.host->idle();
  dll.open();
  CHECK(!ctx.host->ran_dry);
  CHECK(ctx.host->list_dialog()->closed);
  CHECK(ctx.host->active_panel().dir == ctx.dir("Left"));
  ctx.host->key(KEY_ESC);
  dll.open();
  CHECK(ctx.host->list_dialog()->line_texts()[0].find(ctx.dir("Left")) != std::string::npos);
  dll.exit_far();
}

SCENARIO(in_far175_a_preview_is_drawn_under_the_list_and_numpad_keys_and_ctrl_backquote_step) {
  sim::plugin dll(ctx.dll_path);
  ctx.host->ways = host_core::far175_ways();
  three_views(ctx, dll);
  ctx.host->key(KEY_NUMPAD0 + 2);
  ctx.host->then([&] { CHECK(ctx.host->active_panel().drawn_dir == ctx.dir("Left")); });
  ctx.host->key(KEY_CTRL | KEY_BACKQUOTE);
  ctx.host->then([&] { CHECK(ctx.host->active_panel().drawn_dir == ctx.dir("Third")); });
  ctx.host->key(KEY_ESC);
  dll.open();
  CHECK(!ctx.host->ran_dry);
  dll.exit_far();
}

SCENARIO(in_far3_the_wheel_steps_and_a_quick_switch_commits_on_the_plugins_wake_up) {
  sim::plugin dll(ctx.dll_path);
  ctx.host->ways = host_core::far3_ways();
  three_views(ctx, dll);
  ctx.host->wheel(KEY_MSWHEEL_DOWN);
  ctx.host->then([&] { CHECK(ctx.host->active_panel().dir == ctx.dir("Left")); });
  ctx.host->ctrl(true);
  ctx.host->keys({KEY_CTRL | 'Q', KEY_CTRL | KEY_TILDE});
  ctx.host->idle();
  ctx.host->then([&] { CHECK(!ctx.host->list_dialog()->closed); });
  ctx.host->ctrl(false);
  ctx.host->idle();
  dll.open();
  CHECK(!ctx.host->ran_dry);
  CHECK(ctx.host->active_panel().dir == ctx.dir("Third"));
  CHECK(ctx.host->posted_keys.empty());
  // On a plugin panel the refusal's lines show whole, though FAR 3 clips centred texts.
  ctx.host->active_panel().open_plugin_panel();
  ctx.host->key(KEY_DOWN);
  ctx.host->then([&] {
    const host_core::dialog& notice = *ctx.host->last_dialog();
    CHECK(notice.shown_text(1) == notice.items[1].Data);
    CHECK(notice.shown_text(2) == "while the active panel is: Plugin");
  });
  ctx.host->keys({KEY_ESC, KEY_ESC});
  dll.open();
  CHECK(!ctx.host->ran_dry);
  dll.exit_far();
}
