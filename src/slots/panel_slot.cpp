#include "slots/panel_slot.h"

namespace far_tolvane {

panel_slot::panel_slot(view* shown) : view_(shown) {
  if (view_) view_->add_slot(this);
}

void panel_slot::set_view(view* shown) {
  if (view_) view_->remove_slot(this);
  view_ = shown;
  if (view_) view_->add_slot(this);
}

}  // namespace far_tolvane
