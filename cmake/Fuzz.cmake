# orbaklaw_fuzz_target(NAME SOURCE SEEDS LIBS...)
# A libFuzzer target for a parser of outside input. In a fuzz build (clang) it
# runs for a few seconds from its seed corpus; in every other build the same
# entry point is linked with a small driver that replays the seeds, so the
# seeds stay valid regression inputs under g++ too.
set(ORBAKLAW_FUZZ_SECONDS 8 CACHE STRING "Seconds each fuzz target runs in the test command")

function(orbaklaw_fuzz_target name source seeds)
  if(ORBAKLAW_FUZZ)
    add_executable(${name} ${source})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARGN})
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
    file(MAKE_DIRECTORY ${corpus})
    add_test(NAME ${name}
             COMMAND ${name} -max_total_time=${ORBAKLAW_FUZZ_SECONDS} -timeout=10
                     -rss_limit_mb=1024 ${corpus} ${seeds})
  else()
    add_executable(${name}_replay ${source} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARGN})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${seeds})
  endif()
endfunction()
