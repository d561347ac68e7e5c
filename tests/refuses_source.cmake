cmake_minimum_required(VERSION 3.25)
# A build tool given a source it must refuse:
#   cmake -DWHERE=<file:line> -P refuses_source.cmake -- <tool> <arguments>...
# passes only if the tool fails by its own choice (an exit code other than 0, not a
# crash) and names WHERE, the fault's file and line, in what it prints.
set(command "")
set(after_separator FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(after_separator)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(after_separator TRUE)
  endif()
endforeach()

execute_process(COMMAND ${command} RESULT_VARIABLE code OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT code MATCHES "^[1-9][0-9]*$")
  message(FATAL_ERROR "a refusal was expected, the tool exited with ${code}:\n${said}")
endif()
string(FIND "${said}" "${WHERE}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the tool refused without naming \"${WHERE}\":\n${said}")
endif()
