# Installs the build into a fresh prefix, as `make install` does, and runs the
# installed command-line program: what a user gets must work on its own.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

foreach(file bin/zeruda-cli share/man/man1/zeruda-cli.1.gz ${GUI_FILES})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# 华: 6 written strokes; its traditional form 華 counts 14 in Kangxi's dictionary.
execute_process(COMMAND ${PREFIX}/bin/zeruda-cli chars 华
                OUTPUT_VARIABLE out RESULT_VARIABLE failed)
if(failed OR NOT out STREQUAL "华\t6\t14\t華\thua\n")
  message(FATAL_ERROR "installed zeruda-cli chars 华 gave '${out}' (exit ${failed})")
endif()
file(REMOVE_RECURSE ${PREFIX})
