#include "session/session.h"

#include "binding/dialogs.h"
#include "binding/panels.h"
#include "dialog/view_list_dialog.h"
#include "memory/node_pool.h"
#include "slots/view_registry.h"

namespace far_tolvane {

void start_session() {
  fixed_order = false;
  create_initial_views();
  create_view_list_dialog();
}

bool prepare_opening() {
  if (panel_slots.empty() && !create_initial_views()) return false;
  if (!dialog_instance) create_view_list_dialog();
  if (!dialog_instance) return false;
  sync_active_slot();
  return true;
}

void run_opening() { dialog_instance->run(); }

// Nothing of the plugin's outlasts it: not the host's records, not even the spare nodes the
// views gave back.
void end_session() {
  destroy_view_list_dialog();
  destroy_all_views();
  release_list_records();
  release_panel_buffers();
  node_spares.release();
}

}  // namespace far_tolvane
