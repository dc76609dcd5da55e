# Where an installed tree keeps each part, and the generated headers that tell
# the programs the project's version and where, relative to their own folder,
# the register libraries and the data of an installed tree lie.
include(GNUInstallDirs)

# The register libraries are loaded at run time, never linked: they go to a
# folder of their own rather than onto the system's library path.
set(ORBAKLAW_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/orbaklaw)
set(ORBAKLAW_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/orbaklaw)

file(RELATIVE_PATH ORBAKLAW_LIB_Z_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/orbaklaw)
file(RELATIVE_PATH ORBAKLAW_DANE_Z_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/orbaklaw)

set(ORBAKLAW_GENERATED_INCLUDE ${CMAKE_BINARY_DIR}/include)
configure_file(${CMAKE_SOURCE_DIR}/cmake/WersjaProgramu.h.in
               ${ORBAKLAW_GENERATED_INCLUDE}/generated/WersjaProgramu.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/Instalacja.h.in
               ${ORBAKLAW_GENERATED_INCLUDE}/generated/Instalacja.h @ONLY)

# Named in the package and its changelog.
set(ORBAKLAW_MAINTAINER "orbaklaw maintainers <maintainers@users.noreply.c-seed-50c997f8.example>")
