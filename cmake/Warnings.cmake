function(orbaklaw_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2
    -Wconversion -Wsign-conversion -Wold-style-cast)
  if(ORBAKLAW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
