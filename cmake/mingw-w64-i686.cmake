# Cross-compiles the Windows program: a 32-bit console program, with
# mingw-w64 from Debian (g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
