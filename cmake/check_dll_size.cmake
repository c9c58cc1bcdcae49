# Fails the build when the DLL has grown past its limit. Usage:
#   cmake -DDLL=<path> -DLIMIT=<bytes> -P check_dll_size.cmake
# A compiler upgrade or one careless include can bring the static C++ runtime back into the
# DLL without any other sign: the DLL then grows several times over.
file(SIZE "${DLL}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${DLL} is ${size} bytes, more than its limit of ${LIMIT}. Something "
          "linked the static C++ runtime back in: look for library code that can throw, "
          "formatted output or run-time type information (src/binding_common/dll_runtime.cpp says why).")
endif()
