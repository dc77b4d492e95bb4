# One static library per folder. Sources are picked up by glob so that adding a class means
# adding its two files. The platform layer has one implementation per system behind the same
# header: POSIX lists the files only Linux builds, WINDOWS those only Windows builds.
#
# The build holds the layers: each library sees only its own headers and those of the layers
# it DEPENDS on (and they of theirs), so that an include pointing upward fails to compile.
# Each layer's headers are reached through an include root of its own in the build folder,
# layers/<layer>/<layer>, a link to the layer's source folder: "app/Options.h" is found below
# layers/app, which only app and the layers above it have on their include path. The toolkit's
# headers are the window layer's alone.
function(tallydene_layer_root name)
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  file(MAKE_DIRECTORY ${root})
  # Made anew at each configuration, so that a moved source tree is followed.
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  set(TALLYDENE_LAYER_ROOT ${root} PARENT_SCOPE)
endfunction()

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
  tallydene_layer_root(${name})
  target_include_directories(${name} PUBLIC ${TALLYDENE_LAYER_ROOT})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
endfunction()
