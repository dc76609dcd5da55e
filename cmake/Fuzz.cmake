# orbaklaw_fuzz_target(NAME SOURCE SEEDS LIBS...)
# A libFuzzer target for a parser of outside input. In a fuzz build (clang) it
# runs for a few seconds from its seed corpus; in every other build the same
# entry point is linked with a small driver that replays the seeds, so the
# seeds stay valid regression inputs under g++ too.
#
# In a fuzz build the code under test is instrumented for coverage as well
# (orbaklaw_fuzz_instrument_libraries), and a run fails when the coverage it
# reaches stays below the floor of its target in tests/support/pokrycie.txt: a
# fuzzer that can't see the code it feeds is no test at all.
set(ORBAKLAW_FUZZ_SECONDS 8 CACHE STRING "Seconds each fuzz target runs in the test command")

set(ORBAKLAW_FUZZ_FLOORS ${CMAKE_SOURCE_DIR}/tests/support/pokrycie.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORBAKLAW_FUZZ_FLOORS})

# The floor of one target: "name floor" lines, # starts a comment.
function(orbaklaw_fuzz_floor name out)
  file(STRINGS ${ORBAKLAW_FUZZ_FLOORS} lines REGEX "^${name}[ \t]+[0-9]+")
  if(NOT lines)
    message(FATAL_ERROR "fuzz target ${name} has no coverage floor in ${ORBAKLAW_FUZZ_FLOORS}")
  endif()
  list(GET lines 0 line)
  string(REGEX REPLACE "^${name}[ \t]+([0-9]+).*" "\\1" floor "${line}")
  set(${out} ${floor} PARENT_SCOPE)
endfunction()

function(orbaklaw_fuzz_target name source seeds)
  if(ORBAKLAW_FUZZ)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARGN})
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    orbaklaw_fuzz_floor(${name} floor)
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DFLOOR=${floor}
                     -DCORPUS=${corpus}
                     "-DARGS=-max_total_time=${ORBAKLAW_FUZZ_SECONDS};-timeout=10;-rss_limit_mb=1024;${corpus};${seeds}"
                     -P ${CMAKE_SOURCE_DIR}/cmake/FuzzCoverage.cmake)
  else()
    add_executable(${name}_replay ${source} ${CMAKE_SOURCE_DIR}/tests/support/PowtorzenieFuzz.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARGN})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${seeds})
  endif()
endfunction()

# Coverage instrumentation (no fuzzer runtime) for every library a fuzz
# target feeds: the formats, the model, the drivers, the emulator and the
# picture code.
# The sanitizer runtime of the fuzz build provides the coverage hooks for
# the programs and tests that link these libraries without libFuzzer.
function(orbaklaw_fuzz_instrument_libraries)
  if(NOT ORBAKLAW_FUZZ)
    return()
  endif()
  foreach(lib orbaklaw_format orbaklaw_model orbaklaw_gui orbaklaw_protocol orbaklaw_kasdrv_core
              orbaklaw_komport_core orbaklaw_emulator)
    if(TARGET ${lib})
      target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
  endforeach()
endfunction()
