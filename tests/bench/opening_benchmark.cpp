// Opening the list with 100,000 files in each panel: the focus test, the refresh of both panels'
// views (each keeps its own copy of its panel's items), the key table and the list lines, with a
// host that answers at once and whose dialog closes as soon as it is shown. In the same
// iterations, a plain memcpy of the same 200,000 item records into buffers already in use: the
// opening should cost at most three times that copy.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "host_model/host_model.h"
#include "native/fake_windows.h"
#include "plugin/lifecycle.h"

using far_host::PanelInfo;
using far_host::PluginPanelItem;

namespace {

constexpr int files_per_panel = 100000;

struct big_panel {
  std::vector<PluginPanelItem> items;
  PanelInfo info{};
};

big_panel focused_panel;
big_panel other_panel;

void fill_panel(big_panel& panel, const char* dir, int left) {
  panel.items.assign(files_per_panel, PluginPanelItem{});
  for (int i = 0; i < files_per_panel; ++i) {
    PluginPanelItem& item = panel.items[i];
    std::snprintf(item.FindData.cFileName, sizeof item.FindData.cFileName, "file-%06d.txt", i);
    item.FindData.nFileSizeLow = static_cast<far_host::DWORD>(i) * 37;
    item.NumberOfLinks = 1;
  }
  panel.info = PanelInfo{};
  panel.info.PanelRect = {left, 1, left + 59, 30};
  panel.info.PanelItems = panel.items.data();
  panel.info.ItemsNumber = files_per_panel;
  panel.info.Visible = 1;
  std::strcpy(panel.info.CurDir, dir);
}

int FARAPI instant_control(far_host::HANDLE, int command, void* param) {
  if (command == far_host::FCTL_GETPANELINFO) *static_cast<PanelInfo*>(param) = focused_panel.info;
  if (command == far_host::FCTL_GETANOTHERPANELINFO)
    *static_cast<PanelInfo*>(param) = other_panel.info;
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
  fill_panel(focused_panel, "C:\\Left", 0);
  fill_panel(other_panel, "C:\\Right", 60);
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
    std::memcpy(focused_copy.data(), focused_panel.items.data(),
                files_per_panel * sizeof(PluginPanelItem));
    std::memcpy(other_copy.data(), other_panel.items.data(),
                files_per_panel * sizeof(PluginPanelItem));
    benchmark::ClobberMemory();
    copy += seconds_since(start);

    opening += opened;
    state.SetIterationTime(opened);
  }
  state.counters["copy_ms"] = copy * 1e3 / static_cast<double>(state.iterations());
  state.counters["to_copy"] = opening / copy;
  far_tolvane::exit_far();
}

}  // namespace

BENCHMARK(opening_with_100000_files_per_panel)->UseManualTime()->Unit(benchmark::kMillisecond);
