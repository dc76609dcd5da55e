# A Debian package of the installed tree:
#   cmake --build BUILD --target package
# builds everything and writes orbaklaw_<version>_<arch>.deb into BUILD.
# The libraries' dependencies are found by dpkg-shlibdeps (dpkg-dev); the
# fonts and the platform plugin are what the program needs beyond them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbaklaw)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "orbaklaw")
set(CPACK_PACKAGE_CONTACT ${ORBAKLAW_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "key definitions and key inserts for the VARKO ORBA cash register")
set(CPACK_PACKAGE_DESCRIPTION
    "orbaklaw defines what the programmable keys of a VARKO ORBA fiscal cash\n"
    "register do, reads and writes those definitions over a serial line, keeps\n"
    "them in text files, and designs and prints the paper insert that labels\n"
    "the keys. The package holds the program, the command-line tool\n"
    "orbaklaw-cli, the register libraries it loads, and the register emulator\n"
    "orba-emu.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(ORBAKLAW_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra")
endif()
include(CPack)
