// The plugin-wide containers, defined in one place so that their construction order is fixed:
// they are destroyed in reverse, the view numbers outlive every view that releases one, and the
// spare nodes outlive every container.
#include "slots/view_registry.h"
#include "views/view_numbers.h"

namespace far_tolvane {

spare_nodes node_spares;
node_set<int> view_numbers;
node_list<std::unique_ptr<view>> owned_views;
node_list<view*> view_order;
node_list<panel_slot> panel_slots;

}  // namespace far_tolvane
