# Cross build of the 32-bit Windows DLL with the posix-threads MinGW-w64 toolchain.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
