// One cursor key in a list of 1,000 views: the walk, the re-test of the directory, the rebuild
// and re-measure of every line, the preview and the host messages. The model host's own work
// is included, so the figure is an upper bound of the plugin's.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "dialog/view_list_dialog.h"
#include "far170/lifecycle.h"
#include "host_model/host_model.h"
#include "host_model/record_view.h"
#include "native/fake_windows.h"
#include "slots/view_registry.h"
#include "views/file_panel_view.h"

using namespace far_tolvane;

namespace {

void cursor_step_in_1000_views(benchmark::State& state) {
  fake_windows::reset();
  auto& win = fake_windows::state();
  host_model::model host;
  host.load_language_file(TOLVANE_LANG_DIR "/TolvaneEng.lng");
  host.list_dir = [&](const std::string& dir) { return win.list_dir(dir); };
  win.add_dir("C:\\");
  for (int i = 0; i < 1000; ++i) win.add_dir("C:\\Projects\\view-" + std::to_string(i));
  host.change_dir(host.panels[0], "C:\\Projects\\view-0");
  host.change_dir(host.panels[1], "C:\\Projects\\view-1");
  const auto info = host.startup_info();
  set_startup_info(&info);
  for (int i = 2; i < 1000; ++i) {
    far_host::PanelInfo panel{};
    std::strcpy(panel.CurDir, ("C:\\Projects\\view-" + std::to_string(i)).c_str());
    owned_views.push_back(host_model::view_of_record(panel));
    view_order.push_back(owned_views.back().get());
  }
  host.then([&] {
    for (auto _ : state) {
      host.log.clear();
      dialog_instance->handle_key(far_host::KEY_DOWN);
    }
  });
  host.key(far_host::KEY_ESC);
  open_plugin(0, 0);
  exit_far();
}

}  // namespace

BENCHMARK(cursor_step_in_1000_views)->Unit(benchmark::kMicrosecond);
