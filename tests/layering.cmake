cmake_minimum_required(VERSION 3.25)
# Arrows point down: a room includes headers only of rooms ranked below it. The build
# keeps the same arrows (each room links only the rooms it uses); this table is the
# one place that says which way they point, and it must name every room under src/.
set(ranks
  text 0
  dictionary 1 calendar 1 storage 1 run 1
  numerology 2 chart 2 web 2 registration 2
  almanac 3 pictures 3 profile 3
  app 4 library 4
  generation 5 personal 5
  shortlist 6
  actions 7
  json 8
  cli 9 gui 9 wasm 9)
# Generated headers (embedded data) belong to no room.
set(unranked embedded data)

set(rank_of "")
list(LENGTH ranks count)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 2)
  math(EXPR j "${i} + 1")
  list(GET ranks ${i} room)
  list(GET ranks ${j} rank)
  set(rank_${room} ${rank})
  list(APPEND rooms ${room})
endforeach()

set(problems "")
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*)
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY ${SOURCE_DIR}/src/${folder} AND NOT DEFINED rank_${folder})
    list(APPEND problems "src/${folder} is a room the rank table does not name")
  endif()
endforeach()
foreach(room IN LISTS rooms)
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/src/${room})
    list(APPEND problems "the rank table names ${room}, which is no room under src/")
    continue()
  endif()
  file(GLOB_RECURSE sources ${SOURCE_DIR}/src/${room}/*.h ${SOURCE_DIR}/src/${room}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*" "\\1" target "${line}")
      if(target STREQUAL room OR target IN_LIST unranked)
        continue()
      endif()
      file(RELATIVE_PATH shown ${SOURCE_DIR} ${source})
      if(NOT DEFINED rank_${target})
        list(APPEND problems "${shown} includes ${target}/, which is no room")
      elseif(NOT rank_${target} LESS rank_${room})
        list(APPEND problems "${shown} (${room}, rank ${rank_${room}}) includes ${target}/ (rank ${rank_${target}})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n" report)
  message(FATAL_ERROR "arrows that do not point down:\n${report}")
endif()
