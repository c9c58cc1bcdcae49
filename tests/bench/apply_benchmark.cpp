// Restoring a view into a directory of 100,000 files with 10,000 of them selected: the plugin's
// apply against the straightforward scan per selected name, with a host that answers at once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "plugin/host_api.h"
#include "views/file_panel_view.h"

using namespace far_tolvane;
using far_host::PanelInfo;
using far_host::PluginPanelItem;

namespace {

constexpr int file_count = 100000;
constexpr int selected_every = 10;

std::vector<PluginPanelItem> fresh_items;
PanelInfo fresh_panel{};

int FARAPI instant_control(far_host::HANDLE, int command, void* param) {
  if (command == far_host::FCTL_GETPANELINFO) {
    for (auto& item : fresh_items) item.Flags = 0;
    *static_cast<PanelInfo*>(param) = fresh_panel;
  }
  return 1;
}

std::vector<PluginPanelItem> make_items(bool select) {
  std::vector<PluginPanelItem> items(file_count);
  for (int i = 0; i < file_count; ++i) {
    items[i] = PluginPanelItem{};
    std::snprintf(items[i].FindData.cFileName, sizeof items[i].FindData.cFileName,
                  "document-%06d.txt", i);
    if (select && i % selected_every == 0) items[i].Flags = far_host::PPIF_SELECTED;
  }
  return items;
}

std::unique_ptr<file_panel_view> make_view() {
  host_api.Control = instant_control;
  fresh_items = make_items(false);
  fresh_panel = PanelInfo{};
  std::strcpy(fresh_panel.CurDir, "C:\\Big");
  fresh_panel.PanelItems = fresh_items.data();
  fresh_panel.ItemsNumber = file_count;
  std::vector<PluginPanelItem> saved = make_items(true);
  PanelInfo saved_panel = fresh_panel;
  saved_panel.PanelItems = saved.data();
  return file_panel_view::from_record(saved_panel);
}

void apply_with_index(benchmark::State& state) {
  auto shown = make_view();
  for (auto _ : state) shown->apply();
  const std::size_t selected = fresh_items.size() / selected_every;
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
