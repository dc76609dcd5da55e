# cmake -DFUZZER=binary -DFLOOR=n -DCORPUS=folder -DARGS=arg;... -P FuzzCoverage.cmake
# Runs one libFuzzer target and fails when it finds a fault or when the
# coverage of its final report ("cov: N") stays below FLOOR.
# CORPUS, the folder libFuzzer adds its finds to, starts empty on every run:
# what an earlier run found must not lift this run over its floor, or a
# build folder passes where a clean clone fails.
file(REMOVE_RECURSE ${CORPUS})
file(MAKE_DIRECTORY ${CORPUS})
execute_process(COMMAND ${FUZZER} ${ARGS} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
message("${out}${err}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} ended with ${rc}")
endif()
# The seeds alone must reach the floor, so that a slow machine, which runs
# few inputs in its seconds, passes as a fast one does, and seeds that no
# longer match the input format are found at once.
string(REGEX MATCH "INITED cov: [0-9]+" inited "${err}${out}")
string(REGEX REPLACE "INITED cov: " "" seeded "${inited}")
if(NOT seeded OR seeded LESS FLOOR)
  message(FATAL_ERROR "the seeds of ${FUZZER} reach cov: ${seeded}, below its floor of ${FLOOR}: "
                      "do they still match the input format?")
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
