// Quick switch through the real DLL: committed by the console's Ctrl release record, or by a
// synchro notice that finds Ctrl up in the real key state; and the plugin's own thread that asks
// for those notices, timed against the clock.
#include <algorithm>
#include <cstdio>

#include "e2e/far3/sim3.h"
#include "host_core/real_folders.h"

namespace {

// Starts the plugin on V0 and Right, makes a new view from the left panel three times and
// takes the panel on to V1, V2 and V3 after each: five views, V3's focused.
void four_views(sim3::context& ctx, sim3::plugin& dll) {
  for (const char* name : {"V0", "V1", "V2", "V3", "Right"}) ctx.make_dir(name, {"a.txt"});
  ctx.panels("V0", "Right");
  dll.start();
  for (const char* name : {"V1", "V2"}) {
    ctx.host->press("CtrlShiftF4");
    ctx.host->press("Enter");
    dll.open();
    ctx.host->change_dir(ctx.host->active_panel(), ctx.dir(name));
  }
  ctx.host->press("CtrlShiftF4");
  ctx.host->press("Enter");
  dll.open();
  ctx.host->change_dir(ctx.host->active_panel(), ctx.dir("V3"));
}

}  // namespace

SCENARIO(far3_quick_switch_commits_on_the_consoles_ctrl_release_record) {
  sim3::plugin dll(ctx);
  four_views(ctx, dll);
  host_core::panel& left = ctx.host->panels[0];
  ctx.host->ctrl(true);
  ctx.host->ctrl_record(true);
  ctx.host->press("CtrlQ");
  ctx.host->press("Ctrl`");
  ctx.host->idle();
  // A release in the console while GetKeyState says Ctrl is held, as a tool holding it writes:
  // the key state has the last word.
  ctx.host->ctrl_record(false);
  ctx.host->idle();
  ctx.host->press("Ctrl`");
  ctx.host->idle();
  std::string previewed;
  bool key_goes_up = false;
  // The key state goes up as the release record is read, after the host has delivered every
  // notice waiting: only the record can end the switch.
  ctx.host->taking_key = [&] {
    if (key_goes_up) host_core::set_ctrl_key(false);
  };
  ctx.host->then([&] {
    CHECK(!ctx.list()->closed);
    previewed = left.dir;
    CHECK(previewed != ctx.dir("V3"));
    key_goes_up = true;
  });
  ctx.host->ctrl_record(false);
  dll.open();
  ctx.host->taking_key = nullptr;
  CHECK(ctx.list()->closed);
  CHECK(ctx.list()->exit_code != -1);
  CHECK(left.dir == previewed);
  ctx.host->press("Esc");
  dll.open();
  CHECK(left.dir == previewed);
  dll.exit();
}

SCENARIO(far3_quick_switch_commits_on_a_notice_of_the_plugins_thread_once_ctrl_is_up) {
  sim3::plugin dll(ctx);
  four_views(ctx, dll);
  host_core::panel& left = ctx.host->panels[0];
  const DWORD main_thread = GetCurrentThreadId();
  const int threads_before = sim3::thread_count();
  const std::size_t synchros_before = ctx.far3->synchro_calls().size();
  double opened_at = 0, released_at = 0;
  int notices_while_held = 0;
  std::string previewed;

  ctx.host->ctrl(true);
  ctx.host->press("CtrlQ");
  ctx.host->then([&] {
    opened_at = sim3::now_ms();
    CHECK(sim3::thread_count() == threads_before + 1);
  });
  ctx.host->press("Ctrl`");
  // A second of the form open with Ctrl held: notices come and change nothing.
  for (int i = 0; i < 50; ++i) ctx.host->idle();
  ctx.host->then([&] {
    released_at = sim3::now_ms();
    CHECK(!ctx.list()->closed);
    previewed = left.dir;
    CHECK(previewed != ctx.dir("V3"));
    notices_while_held = ctx.far3->notices_delivered;
  });
  // Ctrl let go, and no record of it: the next notice, delivered between input events, ends it.
  ctx.host->ctrl(false);
  ctx.host->then([] { Sleep(150); });
  dll.open();
  CHECK(ctx.list()->closed);
  CHECK(ctx.list()->exit_code != -1);
  CHECK(left.dir == previewed);

  const auto calls = ctx.far3->synchro_calls();
  const auto ends = ctx.far3->run_ends();
  std::vector<double> held;
  // None before the form opened: the thread runs only while it is open.
  for (std::size_t i = synchros_before; i < calls.size(); ++i) {
    CHECK(calls[i].thread != main_thread);
    CHECK(calls[i].ms >= opened_at);
    if (calls[i].ms >= opened_at && calls[i].ms <= released_at) held.push_back(calls[i].ms);
  }
  const double span = released_at - opened_at;
  std::vector<double> gaps;
  for (std::size_t i = 1; i < held.size(); ++i) gaps.push_back(held[i] - held[i - 1]);
  std::sort(gaps.begin(), gaps.end());
  const double median = gaps.empty() ? 0 : gaps[gaps.size() / 2];
  std::printf("    %lu ACTL_SYNCHRO in %.0f ms with Ctrl held, median gap %.1f ms, %d notices\n",
              static_cast<unsigned long>(held.size()), span, median, notices_while_held);
  CHECK(span >= 900);
  CHECK(held.size() >= static_cast<std::size_t>(span / 50 * 0.6));
  CHECK(held.size() <= static_cast<std::size_t>(span / 50) + 2);
  CHECK(median >= 40 && median <= 80);
  CHECK(notices_while_held >= static_cast<int>(held.size()) - 1);
  // The thread has ended by the time DialogRun returns: no call after it, none later.
  CHECK(!ends.empty());
  if (!ends.empty()) {
    CHECK(ends.back().synchro_calls == calls.size());
    CHECK(calls.empty() || calls.back().ms <= ends.back().ms);
  }
  CHECK(sim3::thread_count() == threads_before);
  Sleep(200);
  CHECK(ctx.far3->synchro_calls().size() == calls.size());
  dll.exit();
}

// The key under Esc of a UK, German and French keyboard: the same place, scan code 0x29, and
// another virtual key on each. Ctrl with it steps down, with Shift too up; a German keyboard's
// Ö, which has the US key's virtual key 0xC0, steps nowhere.
SCENARIO(far3_ctrl_with_the_key_under_esc_steps_on_other_layouts_in_quick_switch_and_the_list) {
  sim3::plugin dll(ctx);
  four_views(ctx, dll);
  host_core::panel& left = ctx.host->panels[0];
  std::string first;
  for (const auto layout : {host_core::keyboard_layout::uk, host_core::keyboard_layout::german,
                            host_core::keyboard_layout::french}) {
    const std::string home = left.dir;
    ctx.host->layout = layout;
    ctx.host->press("Ctrl`");
    ctx.host->then([&] {
      first = left.dir;
      CHECK(first != home);
    });
    ctx.host->press("Ctrl`");
    ctx.host->then([&] { CHECK(left.dir != first); });
    ctx.host->press("CtrlShift`");
    ctx.host->then([&] { CHECK(left.dir == first); });
    if (layout == host_core::keyboard_layout::german) {
      ctx.host->press("Ctrl;");
      ctx.host->then([&] { CHECK(left.dir == first); });
    }
    ctx.host->press("Esc");
    dll.open();
    CHECK(left.dir == home);

    // In quick switch, committed by the console's Ctrl release.
    ctx.host->ctrl(true);
    ctx.host->ctrl_record(true);
    ctx.host->press("CtrlQ");
    ctx.host->press("Ctrl`");
    ctx.host->press("Ctrl`");
    ctx.host->press("CtrlShift`");
    ctx.host->ctrl(false);
    ctx.host->ctrl_record(false);
    dll.open();
    CHECK(ctx.list()->closed);
    CHECK(ctx.list()->exit_code != -1);
    CHECK(left.dir == first);
  }
  dll.exit();
}
