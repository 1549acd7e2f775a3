# station_export_headers(<target> [<header>...])
# Gives <target> an include root of its own in the build tree: a folder of links to the
# target's headers, each at its path from the repository root. `#include "objcomm/x.h"`
# keeps its spelling, while a header of a target that is not linked is simply not found, and
# the root is the target's only PUBLIC include directory. Without headers named, the .h
# files among the target's sources. The links are made at configure time; listing a new
# header in a CMakeLists.txt makes a new one.
function(station_export_headers target)
  set(headers ${ARGN})
  if(NOT headers)
    get_target_property(headers ${target} SOURCES)
    list(FILTER headers INCLUDE REGEX "\\.h$")
  endif()
  get_target_property(dir ${target} SOURCE_DIR)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  foreach(header IN LISTS headers)
    get_filename_component(absolute ${header} ABSOLUTE BASE_DIR ${dir})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${absolute})
    get_filename_component(folder ${root}/${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${absolute} ${root}/${relative} SYMBOLIC)
  endforeach()
  # The build tree's only: an installed library names its own include folder.
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
