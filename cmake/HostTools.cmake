# The build-time tools of a cross build, taken from a native build of the tools alone
# (configured with ZERUDA_TOOLS_ONLY; the preset web-host). They keep their target
# names, so the rules that run them read the same in every build.
set(ZERUDA_HOST_TOOLS "" CACHE PATH "The build folder of the native tools")
if(NOT ZERUDA_HOST_TOOLS)
  message(FATAL_ERROR "A cross build needs ZERUDA_HOST_TOOLS, a native build of the tools")
endif()
foreach(tool embed mktable articles gbktable)
  add_executable(zeruda_${tool} IMPORTED GLOBAL)
  set_target_properties(zeruda_${tool} PROPERTIES
    IMPORTED_LOCATION ${ZERUDA_HOST_TOOLS}/tools/${tool}/zeruda_${tool})
endforeach()
