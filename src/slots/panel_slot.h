// One of the host's two panels and the view it shows.
#pragma once

#include "views/view.h"

namespace far_tolvane {

class panel_slot {
 public:
  explicit panel_slot(view* shown);
  panel_slot(const panel_slot&) = delete;
  panel_slot& operator=(const panel_slot&) = delete;
  ~panel_slot() = default;

  // Setting the view already shown moves this slot to the end of its shown_in.
  void set_view(view* shown);
  view* shown() const { return view_; }

  // Whether the panel is in the shown view's state, so that an opening may refresh the view
  // from it; not when the host refused every view the panel was sent to.
  bool in_step() const { return in_step_; }
  void set_in_step(bool in_step) { in_step_ = in_step; }

 private:
  view* view_;  // not owned; may be empty
  bool in_step_ = true;
};

}  // namespace far_tolvane
