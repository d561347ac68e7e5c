# zeruda_gbk_table(<target>)
#
# Generates generated/text/gbk_table.cpp, the GBK tables declared in
# src/text/gbk_table.h, and compiles it into <target>.
#
# The generator reads the build machine's C library and so must run there. By default
# it is the zeruda_gbktable target of this build; a cross build (the browser edition)
# sets ZERUDA_GBKTABLE to a zeruda_gbktable built for the build machine.
set(ZERUDA_GBKTABLE zeruda_gbktable
  CACHE STRING "The GBK table generator: a target of this build or a path to a host program")

function(zeruda_gbk_table target)
  set(out_dir ${CMAKE_BINARY_DIR}/generated/text)
  set(out ${out_dir}/gbk_table.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND ${ZERUDA_GBKTABLE} ${out}
    DEPENDS ${ZERUDA_GBKTABLE}
    COMMENT "Generating the GBK tables"
    VERBATIM)
  # As in zeruda_embed: the target may live in another directory than this call.
  add_custom_target(zeruda_gbk_table_source DEPENDS ${out})
  add_dependencies(${target} zeruda_gbk_table_source)
  target_sources(${target} PRIVATE ${out})
  set_source_files_properties(${out} TARGET_DIRECTORY ${target} PROPERTIES GENERATED TRUE)
endfunction()
