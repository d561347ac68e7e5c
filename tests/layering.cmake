# The lower rooms of the core reach no room above them: what they need from files,
# tables or the front ends is handed to them through small interfaces.
file(GLOB_RECURSE lower_sources
  ${SOURCE_DIR}/src/text/*.h ${SOURCE_DIR}/src/text/*.cpp
  ${SOURCE_DIR}/src/dictionary/*.h ${SOURCE_DIR}/src/dictionary/*.cpp
  ${SOURCE_DIR}/src/numerology/*.h ${SOURCE_DIR}/src/numerology/*.cpp
  ${SOURCE_DIR}/src/calendar/*.h ${SOURCE_DIR}/src/calendar/*.cpp)
set(upper "shell|storage|profile|app|gui|cli|generation|personal|library|web|registration|shortlist")
set(offenders "")
foreach(source IN LISTS lower_sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(${upper})/")
  if(includes)
    list(APPEND offenders "${source}: ${includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n" report)
  message(FATAL_ERROR "lower rooms include upper headers:\n${report}")
endif()
