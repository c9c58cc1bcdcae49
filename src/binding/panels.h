// What the plugin's logic asks of the host's panels, in its own terms. Each host binding defines
// these over its own API; the logic above never sees a host record.
#pragma once

#include "host/host_char.h"

namespace far_tolvane {

class selected_names;
struct saved_panel_state;

enum class which_panel { focused, other };

// The host's panel types.
constexpr int panel_type_files = 0;
constexpr int panel_type_tree = 1;
constexpr int panel_type_quick_view = 2;
constexpr int panel_type_info = 3;

// What a panel query answers, but for the directory and the selection.
struct panel_report {
  int type = panel_type_files;
  // A plugin's virtual folder.
  bool plugin = false;
  // The panel's left and right screen columns.
  int left = 0;
  int right = 0;
  int current_item = 0;
  int top_item = 0;
  int view_mode = 0;
  int sort_mode = 0;
  bool reversed = false;
};

// Asks the host about a panel. A host that does not answer leaves `report` zeroed and false
// answered: it owes nothing in a record it reports as not filled. The directory and the selected
// names below are the ones of this answer until the next query.
bool query_panel(which_panel which, panel_report& report);
// Empty when the query went unanswered; false when memory for it is short.
bool queried_dir(host_text& dir);
// Leaves `names` as they were, and answers false, when memory is short.
bool take_selected_names(selected_names& names);

// Puts a saved state into the focused panel: directory (fallback_dir when it no longer exists),
// view mode, sort mode and order, then, when it exists, the selection, cursor and top item.
// False when the host would not enter the folder: the panel is still in its own.
bool apply_panel(const saved_panel_state& state, const selected_names& names, bool exists);
void set_focused_dir(const host_char* dir);
bool directory_exists(const host_char* path);
// The path cut to `width` characters by the host's own rule; valid until the next call.
const host_char* shorten_path(const host_char* path, int width);
// A host that draws no panel under a dialog is made to redraw the screen.
void show_panels_under_dialog();
// Gives back the blocks the host's answers were read into, when the session ends.
void release_panel_buffers();

}  // namespace far_tolvane
