# Makes the setup program of a Windows build: installs the build into a
# folder of its own, lists that folder's files for the setup program and its
# uninstaller, and runs makensis. Run as
#   cmake -DBUILD=dir -DARCH=x64|x86 -DWERSJA=1.50 -DWYJSCIE=setup.exe [-DSTRIP=strip] -P Instalator.cmake
foreach(v BUILD ARCH WERSJA WYJSCIE)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "Instalator.cmake needs -D${v}=")
  endif()
endforeach()
find_program(MAKENSIS makensis REQUIRED)

set(folder ${BUILD}/instalacja)
file(REMOVE_RECURSE ${folder})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${folder} COMMAND_ERROR_IS_FATAL ANY
                OUTPUT_QUIET)

# A shop owner's folder carries no debugging information (the build's own
# binaries keep theirs).
if(STRIP)
  file(GLOB_RECURSE binarne ${folder}/*.exe ${folder}/*.dll ${folder}/*.DLL)
  execute_process(COMMAND ${STRIP} --strip-unneeded ${binarne} COMMAND_ERROR_IS_FATAL ANY)
endif()

# One File line per file, in its folder; the uninstaller's Delete lines for
# the same files, then the folders, deepest first.
file(GLOB_RECURSE pliki LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
list(SORT pliki)
set(wstaw "")
set(usun "")
set(foldery "")
set(poprzedni "-")
foreach(plik ${pliki})
  cmake_path(GET plik PARENT_PATH podfolder)
  string(REPLACE "/" "\\" plik_win "${plik}")
  string(REPLACE "/" "\\" podfolder_win "${podfolder}")
  if(NOT podfolder STREQUAL poprzedni)
    if(podfolder STREQUAL "")
      string(APPEND wstaw "SetOutPath \"$INSTDIR\"\n")
    else()
      string(APPEND wstaw "SetOutPath \"$INSTDIR\\${podfolder_win}\"\n")
      list(APPEND foldery ${podfolder_win})
    endif()
    set(poprzedni "${podfolder}")
  endif()
  string(APPEND wstaw "File \"${folder}/${plik}\"\n")
  string(APPEND usun "Delete \"$INSTDIR\\${plik_win}\"\n")
endforeach()
list(REMOVE_DUPLICATES foldery)
list(SORT foldery ORDER DESCENDING)
foreach(f ${foldery})
  string(APPEND usun "RMDir \"$INSTDIR\\${f}\"\n")
endforeach()
file(WRITE ${BUILD}/pliki.nsh "${wstaw}")
file(WRITE ${BUILD}/usun.nsh "${usun}")
# The list of installed files beside the setup program, for the checks.
string(REPLACE ";" "\n" spis "${pliki}")
file(WRITE ${WYJSCIE}.pliki "${spis}\n")

execute_process(
  COMMAND ${MAKENSIS} -V2 -DWERSJA=${WERSJA} -DARCH=${ARCH} -DPLIKI=${BUILD}/pliki.nsh
          -DUSUN=${BUILD}/usun.nsh -DWYJSCIE=${WYJSCIE} ${CMAKE_CURRENT_LIST_DIR}/orbaklaw.nsi
  COMMAND_ERROR_IS_FATAL ANY)
