// The plugin-wide containers, defined in one place so that their construction order is fixed:
// they are destroyed in reverse, and the view numbers outlive every view that releases one.
#include "keymacros/key_macro_table.h"
#include "slots/view_registry.h"
#include "views/view_numbers.h"

namespace far_tolvane {

std::set<int> view_numbers;
std::list<std::unique_ptr<view>> owned_views;
std::list<view*> view_order;
std::list<panel_slot> panel_slots;
std::map<far_host::key_code, key_macro> key_macro_table;

}  // namespace far_tolvane
