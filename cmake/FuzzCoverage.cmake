# cmake -DFUZZER=binary -DFLOOR=n -DARGS=arg;... -P FuzzCoverage.cmake
# Runs one libFuzzer target and fails when it finds a fault or when the
# coverage of its final report ("cov: N") stays below FLOOR.
execute_process(COMMAND ${FUZZER} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
message("${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} ended with ${rc}")
endif()
string(REGEX MATCHALL "cov: [0-9]+" reports "${err}${out}")
if(NOT reports)
  message(FATAL_ERROR "${FUZZER} reported no coverage")
endif()
list(GET reports -1 last)
string(REGEX REPLACE "cov: " "" cov "${last}")
if(cov LESS FLOOR)
  message(FATAL_ERROR "${FUZZER} reached cov: ${cov}, below its floor of ${FLOOR}: "
                      "is the code under test instrumented?")
endif()
message("coverage ${cov} (floor ${FLOOR})")
