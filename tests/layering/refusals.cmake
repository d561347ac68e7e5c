# cmake -DCHECKER=<cmake/CheckLayering.cmake> -DWORK_DIR=<folder> -P refusals.cmake
# The layering check over a small tree of its own: the tree as it should be passes
# (a room of the table without its folder included), and each row below, one file
# changed, is refused with the reason it names.
cmake_minimum_required(VERSION 3.25)

set(good_table [=[
zeruda_rank(low 0)
zeruda_rank(mid 1 USES low)
zeruda_rank(side 1 USES low)
zeruda_rank(top 2 USES mid HEADERS low)
zeruda_rank(planned 3 USES top)
]=])
set(marker "<!-- room graph: written from src/rooms.cmake, checked by the build -->")

# A fresh copy of the good tree in <dir>, its README's graph written by the checker.
function(good_tree dir)
  file(REMOVE_RECURSE ${dir})
  file(WRITE ${dir}/src/rooms.cmake "${good_table}")
  file(WRITE ${dir}/src/low/low.h "#pragma once\n")
  file(WRITE ${dir}/src/side/side.h "#pragma once\n")
  file(WRITE ${dir}/src/mid/mid.h "#pragma once\n#include \"low/low.h\"\n")
  file(WRITE ${dir}/src/top/top.cpp "#include \"mid/mid.h\"\n#include \"low/low.h\"\n")
  file(WRITE ${dir}/README.md "# tree\n\n${marker}\n```\n```\n\nmore\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${dir} -DWRITE_README=ON -P ${CHECKER}
                  RESULT_VARIABLE code ERROR_VARIABLE said)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "the good tree is refused:\n${said}")
  endif()
endfunction()

set(failures "")
good_tree(${WORK_DIR}/good)
file(READ ${WORK_DIR}/good/README.md readme)
string(CONCAT graph " 3  planned   → top\n 2  top       → mid (headers only: low)\n"
                    " 1  mid, side → low\n 0  low\n")
if(NOT readme STREQUAL "# tree\n\n${marker}\n```\n${graph}```\n\nmore\n")
  list(APPEND failures "the written graph:\n${readme}")
endif()

# refused(<name> <file> <content> <part of the report>)
function(refused name file content expected)
  set(dir ${WORK_DIR}/${name})
  good_tree(${dir})
  file(WRITE ${dir}/${file} "${content}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${dir} -P ${CHECKER}
                  RESULT_VARIABLE code ERROR_VARIABLE said)
  string(FIND "${said}" "${expected}" found)
  if(code EQUAL 0 OR found EQUAL -1)
    set(failures ${failures} "${name}: exit ${code}, expected \"${expected}\" in:\n${said}"
        PARENT_SCOPE)
  endif()
endfunction()

refused(IncludeUpwards src/low/up.h "#include \"mid/mid.h\"\n"
        "src/low/up.h (low, rank 0) includes mid/ (rank 1): arrows point down")
refused(IncludeOfARoomNotUsed src/top/more.cpp "#include \"side/side.h\"\n"
        "src/top/more.cpp includes side/, which src/rooms.cmake does not list among the rooms top uses")
refused(IncludeOfNoRoom src/mid/odd.cpp " # include \"nowhere/x.h\"\n"
        "src/mid/odd.cpp includes nowhere/, which is no room")
refused(FolderTheTableLacks src/extra/extra.h ""
        "src/extra is a room that src/rooms.cmake does not name")
refused(ArrowUpInTheTable src/rooms.cmake "${good_table}zeruda_rank(base 0 USES side)\n"
        "base (rank 0) uses side (rank 1)")
refused(UseOfNoRoom src/rooms.cmake "${good_table}zeruda_rank(more 4 USES nothing)\n"
        "more uses nothing, which the table does not name")
refused(BrowserRoomOnNativeRoom src/rooms.cmake
        "zeruda_rank(low 0 NATIVE)\nzeruda_rank(mid 1 USES low)\nzeruda_rank(side 1)\nzeruda_rank(top 2 USES mid)\n"
        "mid is in the browser edition and uses low, which is not")
refused(StaleReadme README.md "${marker}\n```\n 2  top → mid\n```\n"
        "README.md's room graph differs from src/rooms.cmake")
refused(ReadmeWithoutGraph README.md "# tree\n" "README.md has no room graph")

if(failures)
  list(JOIN failures "\n" report)
  message(FATAL_ERROR "${report}")
endif()
