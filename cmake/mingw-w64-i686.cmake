# Toolchain: 32-bit Windows (i686) with mingw-w64, run under Wine. The
# register maker's libraries are 32-bit, so a program that loads them is too.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORBAKLAW_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
