# station_gzip(OUT_VAR SOURCE): compresses SOURCE into the build tree as Debian ships
# documentation: best compression and no name or time stamp, so the bytes depend only on
# the text. OUT_VAR receives the .gz file's path.
function(station_gzip out_var source)
  get_filename_component(name ${source} NAME)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/gz/${name})
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/gz)
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  set(${out_var} ${copy}.gz PARENT_SCOPE)
endfunction()
