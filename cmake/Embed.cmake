# zeruda_embed(<target> <symbol> <input> [GBK] [PACKED] [COLUMNS <n>] [DEFERRED])
#
# Compiles the bytes of <input> into <target> as
#   zeruda::data::<symbol>   (a std::string_view, declared in <embedded/<symbol>.h>)
# A first line beginning with "#" records where the data came from and is not embedded.
# With GBK the UTF-8 text is converted to GBK at build time; a character that GBK
# lacks fails the build.
# With PACKED a table text is stored packed by columns (storage/packed_table_text.h);
# a text that cannot be packed fails the build.
# With COLUMNS each line keeps only its first <n> tab-separated cells.
# With DEFERRED, the browser edition leaves the bytes out of its module: they become
# deferred/<symbol>.bin, a file of the site the page fetches when a call needs it,
# and the symbol a DeferredData that reads as a std::string_view (deferred_data.h).
# Native builds ignore DEFERRED.
function(zeruda_embed target symbol input)
  cmake_parse_arguments(ARG "GBK;PACKED;DEFERRED" "COLUMNS" "" ${ARGN})
  set(out_dir ${CMAKE_BINARY_DIR}/generated/embedded)
  set(out_cpp ${out_dir}/${symbol}.cpp)
  set(out_h ${out_dir}/${symbol}.h)
  set(flags)
  if(ARG_GBK)
    set(flags --gbk)
  endif()
  if(ARG_PACKED)
    list(APPEND flags --packed)
  endif()
  if(ARG_COLUMNS)
    list(APPEND flags --columns ${ARG_COLUMNS})
  endif()
  set(outputs ${out_cpp} ${out_h})
  if(ARG_DEFERRED AND EMSCRIPTEN)
    set(bin ${CMAKE_BINARY_DIR}/deferred/${symbol}.bin)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/deferred)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/deferred_data.h ${out_dir}/deferred_data.h COPYONLY)
    list(APPEND flags --deferred ${bin})
    list(APPEND outputs ${bin})
  endif()
  get_filename_component(input_abs ${input} ABSOLUTE)
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND zeruda_embed ${flags} ${input_abs} ${symbol} ${out_cpp} ${out_h}
    DEPENDS zeruda_embed ${input_abs}
    COMMENT "Embedding ${input} as ${symbol}"
    VERBATIM)
  # The target usually lives in another directory (src/) than this call (a subsystem
  # folder), where the command's outputs would have no rule: a custom target here
  # produces them, and the files are marked as generated where the target is.
  add_custom_target(zeruda_embed_${symbol} DEPENDS ${outputs})
  add_dependencies(${target} zeruda_embed_${symbol})
  target_sources(${target} PRIVATE ${out_cpp} ${out_h})
  set_source_files_properties(${out_cpp} ${out_h} TARGET_DIRECTORY ${target}
    PROPERTIES GENERATED TRUE)
  target_include_directories(${target} PUBLIC ${CMAKE_BINARY_DIR}/generated)
  # Generated literals are long by nature.
  set_source_files_properties(${out_cpp} TARGET_DIRECTORY ${target}
    PROPERTIES COMPILE_OPTIONS "-Wno-overlength-strings")
endfunction()
