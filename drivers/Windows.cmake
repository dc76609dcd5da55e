# The two libraries on Windows carry the register maker's file names and
# export exactly the maker's function names (ours add kasdrv_postep and
# kasdrv_opis_bledu), undecorated whatever the calling convention.
target_compile_definitions(kasdrv PRIVATE KASDRV_BUDOWA)
target_compile_definitions(komport PRIVATE KOMPORT_BUDOWA)
set_target_properties(kasdrv PROPERTIES OUTPUT_NAME KASDRV PREFIX "" SUFFIX ".DLL")
set_target_properties(komport PROPERTIES OUTPUT_NAME KomPort PREFIX "" SUFFIX ".dll")
foreach(lib kasdrv komport)
  # --kill-at drops the "@bytes" that __stdcall adds to an exported name.
  target_link_options(${lib} PRIVATE -Wl,--kill-at)
endforeach()
