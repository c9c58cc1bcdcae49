// The panel commands of the host's Control, as the plugin uses them on the host's panels.
#pragma once

#include <vector>

#include "host/far_api.h"
#include "panels/panel.h"

namespace try_host {

class panel_control {
 public:
  // The item arrays stay valid until the next query, as the host promises.
  void fill_info(const panel& source, bool focused, bool left, far_host::PanelInfo& info);
  // A command that changes the panel; the result is the host's: 1 when it was carried out.
  int change(panel& target, int command, void* param);

 private:
  std::vector<far_host::PluginPanelItem> items_;
  std::vector<far_host::PluginPanelItem> selected_;
};

}  // namespace try_host
