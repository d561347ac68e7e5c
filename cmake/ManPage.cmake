# cmake -DCLI=<zeruda-cli> -DOUTPUT=<file.1.gz> -DVERSION=<x.y> -P ManPage.cmake
#
# Writes the manual page of zeruda-cli from the program's own help: the command list
# of `zeruda-cli help`, and for each command the usage its `--help` prints. The page
# therefore says what the program says, and a new command appears in it by itself.
# The page carries no date, so the same program gives the same bytes.

function(roff_escape out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "zeruda-cli help failed: ${failed}")
endif()

string(REPLACE "\n" ";" help_lines "${help}")
set(commands "")
set(command "")
foreach(line IN LISTS help_lines)
  if(line MATCHES "^  ([a-z][a-z0-9-]*)( |$)")
    set(command ${CMAKE_MATCH_1})
    list(APPEND commands ${command})
  elseif(command AND line MATCHES "^      (.+)$")
    set(summary_${command} "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT commands)
  message(FATAL_ERROR "zeruda-cli help listed no commands")
endif()

set(page ".TH ZERUDA-CLI 1 \"\" \"zeruda ${VERSION}\" \"User Commands\"
.SH NAME
zeruda\\-cli \\- company and baby names by traditional name numerology, on the command line
.SH SYNOPSIS
.B zeruda\\-cli
.I COMMAND
.RI [ ARGUMENTS ]
.br
.B zeruda\\-cli
.I COMMAND
.B \\-\\-help
.SH DESCRIPTION
.B zeruda\\-cli
runs the computations of the desktop program
.BR zeruda :
stroke counts and elements of characters, the five grids and three talents of a
name, star ratings and reports, lunar dates, birth charts and generated company
names. Text on the terminal is UTF\\-8; dates are written YYYY\\-MM\\-DD and times
HH:MM. Every command prints its usage with
.BR \\-\\-help .
.SH COMMANDS
")
foreach(command IN LISTS commands)
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE usage RESULT_VARIABLE failed)
  if(failed OR NOT usage MATCHES "^usage: zeruda-cli ([^\n]*)")
    message(FATAL_ERROR "zeruda-cli ${command} --help gave no usage")
  endif()
  roff_escape(usage "${CMAKE_MATCH_1}")
  string(APPEND page ".TP\n.B ${usage}\n")
  if(DEFINED summary_${command})
    roff_escape(summary "${summary_${command}}")
    string(APPEND page "${summary}\n")
  endif()
endforeach()
string(APPEND page ".SH EXIT STATUS
0 when the command did its work; 1 when the request was understood but refused (a
failed check, a run that found no name); 2 for malformed arguments or text.
.SH FILES
The saved profile and the working files lie in
.I zeruda/gs/
under
.B $XDG_DATA_HOME
(or
.IR ~/.local/share );
.B zeruda\\-cli paths
shows where.
")

get_filename_component(out_dir ${OUTPUT} DIRECTORY)
set(plain ${out_dir}/zeruda-cli.1)
file(WRITE ${plain} "${page}")
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9 -n -c ${plain} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip failed: ${failed}")
endif()
