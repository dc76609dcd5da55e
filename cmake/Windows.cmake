# Settings of the Windows build. On 32-bit Windows a function is called
# __cdecl or __stdcall, and the register libraries and the programs' binding
# must agree: one setting per library, given to both (the defaults are those
# documented in kasdrv.h and komport.h). Elsewhere there is one convention.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ORBAKLAW_KASDRV_WYWOLANIE cdecl CACHE STRING "Calling convention of KASDRV.DLL: cdecl or stdcall")
  set(ORBAKLAW_KOMPORT_WYWOLANIE stdcall CACHE STRING "Calling convention of KomPort.dll: cdecl or stdcall")
  foreach(ustawienie ORBAKLAW_KASDRV_WYWOLANIE ORBAKLAW_KOMPORT_WYWOLANIE)
    set_property(CACHE ${ustawienie} PROPERTY STRINGS cdecl stdcall)
    if(NOT ${ustawienie} MATCHES "^(cdecl|stdcall)$")
      message(FATAL_ERROR "${ustawienie} is cdecl or stdcall, not ${${ustawienie}}")
    endif()
  endforeach()
  add_compile_definitions(KASDRV_WYWOLANIE=__${ORBAKLAW_KASDRV_WYWOLANIE}
                          KOMPORT_WYWOLANIE=__${ORBAKLAW_KOMPORT_WYWOLANIE})
endif()

if(WIN32)
  if(ORBAKLAW_GUI)
    # Qt's DLLs use the compiler's shared runtime (libstdc++, libgcc,
    # winpthread); everything of ours does too, so that a process holds one
    # C++ runtime. The DLLs go beside the programs (cmake/WdrozenieWindows.cmake).
  else()
    # Without Qt the compiler's runtime goes into every program and library,
    # so that each one runs alone from its folder.
    add_link_options(-static)
  endif()
endif()
