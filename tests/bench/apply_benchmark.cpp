// Restoring a view into a directory of 100,000 files with 10,000 of them selected: the plugin's
// apply against the straightforward scan per selected name, with a host that answers at once.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "bench/host_panels.h"
#include "far170/host_api.h"
#include "host_model/record_view.h"
#include "views/file_panel_view.h"

using namespace far_tolvane;
using far_host::PanelInfo;

namespace {

constexpr int file_count = 100000;
constexpr int selected_every = 10;

bench::host_panel fresh_panel;

int FARAPI instant_control(far_host::HANDLE, int command, void* param) {
  if (command == far_host::FCTL_GETPANELINFO) {
    for (auto& item : fresh_panel.items) item.Flags = 0;
    *static_cast<PanelInfo*>(param) = fresh_panel.info;
  }
  return 1;
}

std::unique_ptr<file_panel_view> make_view() {
  host_api.Control = instant_control;
  bench::fill_panel(fresh_panel, file_count, "C:\\Big");
  bench::host_panel saved;
  bench::fill_panel(saved, file_count, "C:\\Big", 0, selected_every);
  return host_model::view_of_record(saved.info);
}

void apply_with_index(benchmark::State& state) {
  auto shown = make_view();
  for (auto _ : state) shown->apply();
  const std::size_t selected = fresh_panel.items.size() / selected_every;
  state.counters["selected"] = static_cast<double>(selected);
}

// The same restore with a scan from the first fresh item for every selected name.
void apply_with_scan(benchmark::State& state) {
  auto shown = make_view();
  const selected_names& saved = shown->selection();
  for (auto _ : state) {
    PanelInfo fresh{};
    instant_control(far_host::invalid_handle, far_host::FCTL_GETPANELINFO, &fresh);
    for (const char* name = saved.block(); name < saved.block() + saved.bytes();
         name += std::strlen(name) + 1) {
      for (int j = 0; j < fresh.ItemsNumber; ++j) {
        if (std::strcmp(fresh.PanelItems[j].FindData.cFileName, name) == 0) {
          fresh.PanelItems[j].Flags |= far_host::PPIF_SELECTED;
          break;
        }
      }
    }
    benchmark::DoNotOptimize(fresh.PanelItems);
  }
}

}  // namespace

BENCHMARK(apply_with_index)->Unit(benchmark::kMillisecond);
BENCHMARK(apply_with_scan)->Unit(benchmark::kMillisecond)->Iterations(1);
