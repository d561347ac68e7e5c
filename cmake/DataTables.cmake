# zeruda_embed_table(<target> <symbol> <input.tsv>)
#
# Builds the table source <input.tsv> into an SQLite file with zeruda_mktable and
# compiles its bytes into <target> as zeruda::data::<symbol> (see zeruda_embed).
function(zeruda_embed_table target symbol input)
  get_filename_component(input_abs ${input} ABSOLUTE)
  set(db ${CMAKE_BINARY_DIR}/generated/tables/${symbol}.db)
  add_custom_command(
    OUTPUT ${db}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/tables
    COMMAND zeruda_mktable ${input_abs} ${db}
    DEPENDS zeruda_mktable ${input_abs}
    COMMENT "Building table ${input}"
    VERBATIM)
  zeruda_embed(${target} ${symbol} ${db})
endfunction()

# zeruda_built_in_tables(<target> <alias>...)
#
# Embeds data/tables/<alias>.tsv for each alias, built into its table file, as
# zeruda::data::kTable<Alias> and generates storage/built_in_tables.cpp, which hands
# the blocks out by alias.
function(zeruda_built_in_tables target)
  zeruda_table_accessor(${target} built_in_tables kTable ${ARGN})
endfunction()

# zeruda_built_in_table_texts(<target> <alias>... [PACKED <alias>...])
#
# For a build without SQLite (the browser edition): embeds each source itself as GBK
# text, as zeruda::data::kTableText<Alias>, and generates
# storage/built_in_table_texts.cpp, which hands the texts out by alias. The PACKED
# ones are stored packed by columns (storage/packed_table_text.h) and say so.
function(zeruda_built_in_table_texts target)
  zeruda_table_accessor(${target} built_in_table_texts kTableText ${ARGN})
endfunction()

# The two above: one embedded block per alias and storage/<name>.cpp made from
# src/storage/<name>.cpp.in with an include and a case for each.
function(zeruda_table_accessor target name prefix)
  cmake_parse_arguments(ARG "" "" "PACKED" ${ARGN})
  set(ZERUDA_TABLE_INCLUDES "")
  set(ZERUDA_TABLE_CASES "")
  foreach(alias IN LISTS ARG_UNPARSED_ARGUMENTS ARG_PACKED)
    string(SUBSTRING ${alias} 0 1 first)
    string(SUBSTRING ${alias} 1 -1 rest)
    string(TOUPPER ${first} first)
    set(symbol ${prefix}${first}${rest})
    set(source ${CMAKE_SOURCE_DIR}/data/tables/${alias}.tsv)
    if(prefix STREQUAL "kTableText")
      if(alias IN_LIST ARG_PACKED)
        zeruda_embed(${target} ${symbol} ${source} GBK PACKED)
        set(returned "BuiltInTableText{data::${symbol}, true}")
      else()
        zeruda_embed(${target} ${symbol} ${source} GBK)
        set(returned "BuiltInTableText{data::${symbol}, false}")
      endif()
    else()
      zeruda_embed_table(${target} ${symbol} ${source})
      set(returned "data::${symbol}")
    endif()
    string(APPEND ZERUDA_TABLE_INCLUDES "#include \"embedded/${symbol}.h\"\n")
    string(APPEND ZERUDA_TABLE_CASES "  if (alias == \"${alias}\") return ${returned};\n")
  endforeach()
  set(out ${CMAKE_BINARY_DIR}/generated/storage/${name}.cpp)
  configure_file(${CMAKE_SOURCE_DIR}/src/storage/${name}.cpp.in ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
