# What the Windows programs need beside them, in the build's bin/ (so that
# the tests run there under Wine) and in the installed folder: Qt's DLLs and
# plugins, the compiler's runtime, Qt's Polish texts and the busy cursor.
# Every DLL a program imports is then a system DLL or one of these. The busy
# cursor's frames are icons: Qt's ico plugin goes with them.

find_package(Qt6 REQUIRED COMPONENTS Test)
set(orbaklaw_qt_dll)
foreach(modul Core Gui Widgets PrintSupport Network)
  list(APPEND orbaklaw_qt_dll $<TARGET_FILE:Qt6::${modul}>)
endforeach()

# The compiler's runtime, as the compiler itself names it.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(orbaklaw_libgcc libgcc_s_seh-1.dll)
else()
  set(orbaklaw_libgcc libgcc_s_dw2-1.dll)
endif()
set(orbaklaw_runtime)
foreach(dll libstdc++-6.dll ${orbaklaw_libgcc} libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE sciezka OUTPUT_STRIP_TRAILING_WHITESPACE)
  cmake_path(NORMAL_PATH sciezka)
  if(NOT EXISTS ${sciezka})
    message(FATAL_ERROR "The compiler's runtime ${dll} is not where the compiler says (${sciezka})")
  endif()
  list(APPEND orbaklaw_runtime ${sciezka})
endforeach()

# Qt's own texts in Polish (Debian's qt6-translations-l10n: a .qm file is the
# same on every system).
find_file(ORBAKLAW_QTBASE_PL qtbase_pl.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(bin ${CMAKE_BINARY_DIR}/bin)
add_custom_target(
  orbaklaw_wdrozenie ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles ${bin}/imageformats
          ${bin}/translations
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${orbaklaw_qt_dll} $<TARGET_FILE:Qt6::Test>
          ${orbaklaw_runtime} ${CMAKE_SOURCE_DIR}/resources/hourglas.ani ${bin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
          $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> ${bin}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
          ${bin}/styles
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QICOPlugin> ${bin}/imageformats
  # Only for the tests, which make JPEG files through Qt; the program decodes
  # its picture with libjpeg itself.
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Qt6::QJpegPlugin> ${bin}/imageformats
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ORBAKLAW_QTBASE_PL} ${bin}/translations
  COMMENT "Qt's DLLs, plugins and texts and the compiler's runtime beside the programs"
  VERBATIM)

# The installed folder: the window's platform, the native style, no tests'.
install(FILES ${orbaklaw_qt_dll} ${orbaklaw_runtime} DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
# The busy cursor's frames are icons, read through Qt's ico plugin.
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/imageformats)
install(FILES ${ORBAKLAW_QTBASE_PL} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)

# The setup program (NSIS): build/.../orbaklaw-1.50-x64-setup.exe or -x86-.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(orbaklaw_arch x64)
else()
  set(orbaklaw_arch x86)
endif()
set(ORBAKLAW_INSTALATOR ${CMAKE_BINARY_DIR}/orbaklaw-${PROJECT_VERSION}-${orbaklaw_arch}-setup.exe)
add_custom_target(
  instalator
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DARCH=${orbaklaw_arch}
          -DWERSJA=${PROJECT_VERSION} -DWYJSCIE=${ORBAKLAW_INSTALATOR} -DSTRIP=${CMAKE_STRIP}
          -P ${CMAKE_SOURCE_DIR}/packaging/windows/Instalator.cmake
  DEPENDS orbaklaw orbaklaw-cli orbaklaw_cli_qt kasdrv komport
  COMMENT "Setup program ${ORBAKLAW_INSTALATOR}"
  VERBATIM)
