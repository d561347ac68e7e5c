# Converts the article sources twice, from two folders, and fails unless the two
# outputs are byte for byte the same.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/a ${WORK}/b)
file(COPY ${SOURCE}/ DESTINATION ${WORK}/b/library)
file(GLOB sources RELATIVE ${SOURCE} ${SOURCE}/*/*.md)
foreach(run a b)
  if(run STREQUAL "a")
    set(root ${SOURCE})
  else()
    set(root ${WORK}/b/library)
  endif()
  execute_process(COMMAND ${TOOL} ${root} ${WORK}/${run}/out.cpp ${sources}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "zeruda_articles failed on ${root}")
  endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/a/out.cpp ${WORK}/b/out.cpp
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "two conversions differ")
endif()
