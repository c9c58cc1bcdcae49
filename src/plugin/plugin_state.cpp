// The plugin-wide containers, defined in one place so that their construction order is fixed:
// they are destroyed in reverse, the view numbers outlive every view that releases one, and the
// spare nodes outlive every container.
#include "slots/view_registry.h"
#include "views/view_numbers.h"
#if !defined(TOLVANE_FAR3)
#include "keymacros/key_macro_table.h"
#endif

namespace far_tolvane {

spare_nodes node_spares;
node_set<int> view_numbers;
node_list<std::unique_ptr<view>> owned_views;
node_list<view*> view_order;
node_list<panel_slot> panel_slots;
// Only the 1.70 build keeps key macros of its own; FAR 3 remaps keys with its macros.
#if !defined(TOLVANE_FAR3)
node_map<far_host::key_code, key_macro> key_macro_table;
#endif

}  // namespace far_tolvane
