# zeruda_articles(<target> <folder>)
#
# Compiles every article source <folder>/*/*.md with zeruda_articles into
# generated/library/article_sources.cpp and adds it to <target>; the file defines
# zeruda::library::articleSources(). Adding an article is adding its file.
function(zeruda_articles target folder)
  get_filename_component(root ${folder} ABSOLUTE)
  file(GLOB sources RELATIVE ${root} CONFIGURE_DEPENDS ${root}/*/*.md)
  list(SORT sources)
  list(TRANSFORM sources PREPEND ${root}/ OUTPUT_VARIABLE inputs)
  set(out ${CMAKE_BINARY_DIR}/generated/library/article_sources.cpp)
  # The browser edition fetches the articles when the library first opens (as
  # zeruda_embed's DEFERRED blocks): they are a third of its module.
  set(outputs ${out})
  set(flags)
  if(EMSCRIPTEN)
    set(bin ${CMAKE_BINARY_DIR}/deferred/kArticleSources.bin)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/deferred)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/deferred_data.h
                   ${CMAKE_BINARY_DIR}/generated/embedded/deferred_data.h COPYONLY)
    set(flags --deferred ${bin})
    list(APPEND outputs ${bin})
    target_include_directories(${target} PUBLIC ${CMAKE_BINARY_DIR}/generated)
  endif()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/library
    COMMAND zeruda_articles ${flags} ${root} ${out} ${sources}
    DEPENDS zeruda_articles ${inputs}
    COMMENT "Compiling the article sources"
    VERBATIM)
  # As in zeruda_embed: the target lives in another directory than this call.
  add_custom_target(zeruda_article_sources DEPENDS ${outputs})
  add_dependencies(${target} zeruda_article_sources)
  target_sources(${target} PRIVATE ${out})
  set_source_files_properties(${out} TARGET_DIRECTORY ${target}
    PROPERTIES GENERATED TRUE COMPILE_OPTIONS "-Wno-overlength-strings")
endfunction()
