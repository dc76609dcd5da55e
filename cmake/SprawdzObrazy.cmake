# cmake -DGENERATOR=program -DZRODLA=folder -DFOLDER=scratch -P SprawdzObrazy.cmake
# Draws the pictures anew into FOLDER, an empty scratch folder, and fails,
# naming the files, when one of them is not the committed file
# of its name in ZRODLA (up to a level of rounding on anti-aliased edges): a
# change to the drawing must come with its pictures.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
execute_process(COMMAND ${GENERATOR} ${FOLDER} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} ended with ${rc}")
endif()
file(GLOB narysowane RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT narysowane)
if(NOT narysowane)
  message(FATAL_ERROR "${GENERATOR} drew nothing")
endif()
set(rozne)
foreach(plik ${narysowane})
  # The same picture, up to the one level of rounding other processors give.
  execute_process(COMMAND ${GENERATOR} --porownaj ${FOLDER}/${plik} ${ZRODLA}/${plik}
                  RESULT_VARIABLE inny OUTPUT_QUIET ERROR_QUIET)
  if(NOT inny EQUAL 0)
    list(APPEND rozne ${plik})
  endif()
endforeach()
if(rozne)
  list(JOIN rozne ", " lista)
  message(FATAL_ERROR "drawn anew, these differ from the committed pictures in ${ZRODLA}: ${lista}")
endif()
list(JOIN narysowane ", " lista)
message("the same as committed: ${lista}")
