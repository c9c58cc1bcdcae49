// A view of a panel record exactly as the 1.70 host would hand it out: the plugin takes it through
// its own panel query, answered by a stand-in Control for that one call.
#pragma once

#include <memory>

#include "far170/host_api.h"
#include "views/file_panel_view.h"

namespace host_model {

inline const far_host::PanelInfo* answered_record = nullptr;

inline int FARAPI answer_record(far_host::HANDLE, int, void* param) {
  *static_cast<far_host::PanelInfo*>(param) = *answered_record;
  return 1;
}

inline std::unique_ptr<far_tolvane::file_panel_view> view_of_record(
    const far_host::PanelInfo& info) {
  const auto control = far_tolvane::host_api.Control;
  answered_record = &info;
  far_tolvane::host_api.Control = answer_record;
  auto made = far_tolvane::file_panel_view::capture_active_panel();
  far_tolvane::host_api.Control = control;
  return made;
}

}  // namespace host_model
