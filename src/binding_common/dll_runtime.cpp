// The C++ runtime functions the plugin's code calls, defined here for the Windows DLL only. The
// static runtime's own versions link its whole exception machinery (unwinder, terminate handler,
// demangler, threads library): nine tenths of a DLL whose code never throws.
// The plugin allocates only through the nothrow forms, and checks every result: FAR's address
// space is shared, and running out of it must never end FAR. A new compiler that calls other
// runtime functions grows the DLL again, which the build's size check then stops.
// The native build keeps the standard runtime, which its sanitizers need.
#include <cstdlib>
#include <new>

// The plugin deletes no array of a type with a destructor, so GCC calls no sized array delete;
// were it to, the library's own forwards to the unsized one below.
#pragma GCC diagnostic ignored "-Wsized-deallocation"

namespace std {

// The library's object comes with std::bad_alloc and its type information.
const nothrow_t nothrow{};

}  // namespace std

// The Windows C runtime gives a block of its own even for no bytes, as new must.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size); }

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
