// The C++ runtime functions the plugin's code calls, defined here for the Windows DLL only. Each
// of the static runtime's own versions links its whole exception machinery (unwinder, terminate
// handler, demangler, threads library): nine tenths of a DLL whose code never throws. Where the
// library would throw, the process ends, as it did before through terminate.
// These are the library's internal names: a new compiler may find them defined twice, or call
// others and grow the DLL again, which the build's size check then stops.
// The native build keeps the standard runtime, which its sanitizers need.
#include <cstdlib>
#include <new>
#include <string>

// The library's own instantiation is built with exceptions.
template class std::basic_string<char>;

namespace std {

// The library's object comes with std::bad_alloc and its type information.
const nothrow_t nothrow{};

void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_length_error(const char*) { abort(); }
void __throw_logic_error(const char*) { abort(); }
void __throw_out_of_range_fmt(const char*, ...) { abort(); }

}  // namespace std

void* operator new(std::size_t size) {
  void* block = std::malloc(size ? size : 1);
  if (!block) std::abort();
  return block;
}

void* operator new[](std::size_t size) { return operator new(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size ? size : 1);
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
