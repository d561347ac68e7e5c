# The almanac's traditional keys against lunar-javascript (installed by `npm ci` in
# tests/almanac, as `make test` does), run through zeruda-cli in node.
find_program(NODE_EXECUTABLE NAMES node nodejs REQUIRED)
add_test(NAME almanac.AgreesWithLunarJavascript
  COMMAND ${NODE_EXECUTABLE} --test ${CMAKE_CURRENT_SOURCE_DIR}/reference_test.cjs)
set_tests_properties(almanac.AgreesWithLunarJavascript PROPERTIES
  ENVIRONMENT "ZERUDA_CLI=$<TARGET_FILE:zeruda-cli>;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp"
  TIMEOUT 900)
