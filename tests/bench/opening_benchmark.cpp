// Opening the list with 100,000 files in each panel: the focus test, the refresh of both panels'
// views (each keeps its panel's state and the names of its selected items), the key table and
// the list lines, with a host that answers at once and whose dialog closes as soon as it is
// shown. In the same iterations, a plain memcpy of the same 200,000 item records into buffers
// already in use; after them, openings with 100 files per panel. What the items add to an
// opening (big panels less small ones) should cost at most half the copy.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "bench/host_panels.h"
#include "far170/lifecycle.h"
#include "host_model/host_model.h"
#include "native/fake_windows.h"

using far_host::PanelInfo;
using far_host::PluginPanelItem;

namespace {

constexpr int files_per_panel = 100000;
constexpr int files_per_small_panel = 100;
constexpr int small_openings = 100;

bench::host_panel focused_big;
bench::host_panel other_big;
bench::host_panel focused_small;
bench::host_panel other_small;
// The pair the host shows.
const bench::host_panel* focused_panel = &focused_big;
const bench::host_panel* other_panel = &other_big;

int FARAPI instant_control(far_host::HANDLE, int command, void* param) {
  if (command == far_host::FCTL_GETPANELINFO) *static_cast<PanelInfo*>(param) = focused_panel->info;
  if (command == far_host::FCTL_GETANOTHERPANELINFO)
    *static_cast<PanelInfo*>(param) = other_panel->info;
  return 1;
}

int FARAPI closed_at_once(int, int, int, int, int, const char*, far_host::FarDialogItem*, int,
                          far_host::DWORD, far_host::DWORD, far_host::FARWINDOWPROC,
                          far_host::LONG_PARAM) {
  return -1;
}

using timer = std::chrono::steady_clock;

double seconds_since(timer::time_point start) {
  return std::chrono::duration<double>(timer::now() - start).count();
}

void opening_with_100000_files_per_panel(benchmark::State& state) {
  fake_windows::reset();
  host_model::model host;
  host.load_language_file(TOLVANE_LANG_DIR "/TolvaneEng.lng");
  bench::fill_panel(focused_big, files_per_panel, "C:\\Left", 0);
  bench::fill_panel(other_big, files_per_panel, "C:\\Right", 60);
  bench::fill_panel(focused_small, files_per_small_panel, "C:\\Left", 0);
  bench::fill_panel(other_small, files_per_small_panel, "C:\\Right", 60);
  focused_panel = &focused_big;
  other_panel = &other_big;
  far_host::PluginStartupInfo info = host.startup_info();
  info.Control = instant_control;
  info.DialogEx = closed_at_once;
  far_tolvane::set_startup_info(&info);

  std::vector<PluginPanelItem> focused_copy(files_per_panel);
  std::vector<PluginPanelItem> other_copy(files_per_panel);
  double opening = 0;
  double copy = 0;
  for (auto _ : state) {
    timer::time_point start = timer::now();
    far_tolvane::open_plugin(0, 0);
    const double opened = seconds_since(start);

    start = timer::now();
    std::memcpy(focused_copy.data(), focused_big.items.data(),
                files_per_panel * sizeof(PluginPanelItem));
    std::memcpy(other_copy.data(), other_big.items.data(),
                files_per_panel * sizeof(PluginPanelItem));
    benchmark::ClobberMemory();
    copy += seconds_since(start);

    opening += opened;
    state.SetIterationTime(opened);
  }

  // The first opening after the switch to small panels, which may free what the big ones took,
  // is left out.
  focused_panel = &focused_small;
  other_panel = &other_small;
  far_tolvane::open_plugin(0, 0);
  const timer::time_point start = timer::now();
  for (int i = 0; i < small_openings; ++i) far_tolvane::open_plugin(0, 0);
  const double small = seconds_since(start) / small_openings;

  const auto iterations = static_cast<double>(state.iterations());
  state.counters["copy_ms"] = copy * 1e3 / iterations;
  state.counters["small_ms"] = small * 1e3;
  state.counters["to_copy"] = opening / copy;
  state.counters["items_to_copy"] = (opening / iterations - small) / (copy / iterations);
  far_tolvane::exit_far();
}

}  // namespace

BENCHMARK(opening_with_100000_files_per_panel)->UseManualTime()->Unit(benchmark::kMillisecond);
