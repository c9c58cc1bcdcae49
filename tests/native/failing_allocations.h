// Fails one chosen allocation of the plugin. The plugin allocates only through the nothrow forms
// of new, which this test binary replaces; the host model and the tests use the throwing forms
// and are never failed.
#pragma once

namespace failing_allocations {

// The plugin's allocations so far, and the number of the one to refuse (0: none).
extern long long made;
extern long long refused_number;
// Refuses every allocation from refused_number on, as when memory stays short.
extern bool keep_refusing;

}  // namespace failing_allocations
