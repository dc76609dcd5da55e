# Where an installed tree keeps each part, and the generated headers that tell
# the programs the project's version and where, relative to their own folder,
# the register libraries and the data of an installed tree lie.

# A Windows program is installed as one folder: the programs, the register
# libraries, Qt's DLLs and the data side by side (the setup program's folder).
if(WIN32)
  set(CMAKE_INSTALL_BINDIR . CACHE PATH "Programs, libraries and data of the Windows install")
endif()
include(GNUInstallDirs)

# The register libraries and the CLI's Qt plugin are loaded at run time, never
# linked: they go to a folder of their own rather than onto the system's
# library path. Where the system keeps libraries by architecture (Debian's
# lib/<multiarch>) that folder is lib/<multiarch>/orbaklaw whatever the
# prefix, so that the package made from any build holds them where private
# libraries belong, and has no library cache to refresh on install.
if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(ORBAKLAW_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/orbaklaw)
else()
  set(ORBAKLAW_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/orbaklaw)
endif()
set(ORBAKLAW_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/orbaklaw)
if(WIN32)
  set(ORBAKLAW_INSTALL_LIBDIR ${CMAKE_INSTALL_BINDIR})
  set(ORBAKLAW_INSTALL_DATADIR ${CMAKE_INSTALL_BINDIR})
endif()

cmake_path(ABSOLUTE_PATH ORBAKLAW_INSTALL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE ORBAKLAW_INSTALL_FULL_LIBDIR)
file(RELATIVE_PATH ORBAKLAW_LIB_Z_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${ORBAKLAW_INSTALL_FULL_LIBDIR})
cmake_path(ABSOLUTE_PATH ORBAKLAW_INSTALL_DATADIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE ORBAKLAW_INSTALL_FULL_DATADIR)
file(RELATIVE_PATH ORBAKLAW_DANE_Z_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${ORBAKLAW_INSTALL_FULL_DATADIR})

set(ORBAKLAW_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/include)
configure_file(${CMAKE_SOURCE_DIR}/cmake/WersjaProgramu.h.in
               ${ORBAKLAW_GENERATED_INCLUDE}/generated/WersjaProgramu.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/Instalacja.h.in
               ${ORBAKLAW_GENERATED_INCLUDE}/generated/Instalacja.h @ONLY)

# Named in the package and its changelog. The project has no public mail
# address: the default says so with the domain reserved for that (.invalid),
# which lintian accepts where it refuses "localhost" and its like. Whoever
# builds a package for others gives their own (-DORBAKLAW_MAINTAINER=...).
set(ORBAKLAW_MAINTAINER "orbaklaw developers <orbaklaw@orbaklaw.invalid>"
    CACHE STRING "Maintainer of the Debian package, as 'Name <address>'")
