# One static library per folder. Sources are picked up by glob so that adding a class means
# adding its two files. The platform layer has one implementation per system behind the same
# header: POSIX lists the files only Linux builds, WINDOWS those only Windows builds.
function(tallydene_layer name)
  cmake_parse_arguments(L "" "" "DEPENDS;POSIX;WINDOWS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(WIN32)
    set(left_out ${L_POSIX})
  else()
    set(left_out ${L_WINDOWS})
  endif()
  foreach(file ${left_out})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
endfunction()
