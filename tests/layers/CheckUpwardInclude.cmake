# Compiles SOURCE once more as the build compiles it (its command from compile_commands.json in
# BUILD_DIR), with TALLYDENE_UPWARD defined so that it includes a header of a layer above its
# own, and succeeds only when that fails for the missing header. The build has already
# compiled the file without the upward include, so nothing else can be the cause.
# Usage: cmake -DBUILD_DIR=... -DSOURCE=... -P CheckUpwardInclude.cmake
file(READ ${BUILD_DIR}/compile_commands.json commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON file GET "${commands}" ${i} file)
  if(file STREQUAL SOURCE)
    string(JSON command GET "${commands}" ${i} command)
    string(JSON directory GET "${commands}" ${i} directory)
  endif()
endforeach()
if(NOT command)
  message(FATAL_ERROR "${SOURCE} is not compiled by the build")
endif()
separate_arguments(arguments UNIX_COMMAND "${command}")
# Only the compiler's verdict counts: no object file, and no compiler cache in between.
list(FILTER arguments EXCLUDE REGEX "ccache$")
list(APPEND arguments -fsyntax-only -DTALLYDENE_UPWARD)
execute_process(COMMAND ${arguments} WORKING_DIRECTORY ${directory}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "An upward include compiled: ${SOURCE}")
endif()
if(NOT output MATCHES "No such file or directory|file not found")
  message(FATAL_ERROR "The upward include failed for another reason:\n${output}")
endif()
message(STATUS "Refused as it should be:\n${output}")
