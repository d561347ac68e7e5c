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
# Embeds data/tables/<alias>.tsv for each alias as zeruda::data::kTable<Alias> and
# generates storage/built_in_tables.cpp, which hands the blocks out by alias.
function(zeruda_built_in_tables target)
  set(ZERUDA_TABLE_INCLUDES "")
  set(ZERUDA_TABLE_CASES "")
  foreach(alias IN LISTS ARGN)
    string(SUBSTRING ${alias} 0 1 first)
    string(SUBSTRING ${alias} 1 -1 rest)
    string(TOUPPER ${first} first)
    set(symbol kTable${first}${rest})
    zeruda_embed_table(${target} ${symbol} ${CMAKE_SOURCE_DIR}/data/tables/${alias}.tsv)
    string(APPEND ZERUDA_TABLE_INCLUDES "#include \"embedded/${symbol}.h\"\n")
    string(APPEND ZERUDA_TABLE_CASES "  if (alias == \"${alias}\") return data::${symbol};\n")
  endforeach()
  set(out ${CMAKE_BINARY_DIR}/generated/storage/built_in_tables.cpp)
  configure_file(${CMAKE_SOURCE_DIR}/src/storage/built_in_tables.cpp.in ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()

# zeruda_built_in_table_texts(<target> <alias>...)
#
# For a build without SQLite (the browser edition): embeds data/tables/<alias>.tsv as
# GBK text for each alias as zeruda::data::kTableText<Alias> and generates
# storage/built_in_table_texts.cpp, which hands the texts out by alias.
function(zeruda_built_in_table_texts target)
  set(ZERUDA_TABLE_INCLUDES "")
  set(ZERUDA_TABLE_CASES "")
  foreach(alias IN LISTS ARGN)
    string(SUBSTRING ${alias} 0 1 first)
    string(SUBSTRING ${alias} 1 -1 rest)
    string(TOUPPER ${first} first)
    set(symbol kTableText${first}${rest})
    zeruda_embed(${target} ${symbol} ${CMAKE_SOURCE_DIR}/data/tables/${alias}.tsv GBK)
    string(APPEND ZERUDA_TABLE_INCLUDES "#include \"embedded/${symbol}.h\"\n")
    string(APPEND ZERUDA_TABLE_CASES "  if (alias == \"${alias}\") return data::${symbol};\n")
  endforeach()
  set(out ${CMAKE_BINARY_DIR}/generated/storage/built_in_table_texts.cpp)
  configure_file(${CMAKE_SOURCE_DIR}/src/storage/built_in_table_texts.cpp.in ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
