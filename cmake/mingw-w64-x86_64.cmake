# Cross-compiles the same Windows program for 64-bit Windows, with mingw-w64
# from Debian (g++-mingw-w64-x86-64). The tests run it under Wine on machines
# whose kernel cannot start 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
