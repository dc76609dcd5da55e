# Cross-building for Windows with Debian's mingw-w64 (the POSIX-threads
# compilers, for std::thread and std::mutex). Included by the toolchain file
# of each processor, which sets ORBAKLAW_MINGW_TRIPLET first. The programs
# run under Wine, which CTest and the test discovery go through.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 10)

set(CMAKE_C_COMPILER ${ORBAKLAW_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBAKLAW_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORBAKLAW_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORBAKLAW_MINGW_TRIPLET})
# An unpacked Qt for Windows (ORBAKLAW_QT_WINDOWS) lies outside the
# compiler's root: its packages, libjpeg-turbo among them, are found there too.
if(ORBAKLAW_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ORBAKLAW_QT_WINDOWS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(ORBAKLAW_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ORBAKLAW_WINE})
