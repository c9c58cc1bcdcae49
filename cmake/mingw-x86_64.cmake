# Cross build of the 64-bit Windows DLL with the posix-threads MinGW-w64 toolchain.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
