# cmake -DSOURCE_DIR=<tree> [-DWRITE_README=ON] [-DSTAMP=<file>] -P CheckLayering.cmake
# Checks <tree> against its room table (Layering.cmake) and fails with what is wrong;
# WRITE_README first writes the table's graph into README.md, STAMP is touched on success.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Layering.cmake)
zeruda_read_rooms(${SOURCE_DIR})
if(WRITE_README)
  zeruda_write_readme_graph(${SOURCE_DIR})
endif()
zeruda_check_layering(${SOURCE_DIR})
if(STAMP)
  file(TOUCH ${STAMP})
endif()
