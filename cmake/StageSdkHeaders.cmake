# cmake -DSOURCE_DIR=<repository> -DHEADER_LIST=<file> -DOUTPUT_DIR=<folder> -P StageSdkHeaders.cmake
#
# Copies the library's headers as the SDK installs them: each objcomm/... header to
# <folder>/objcomm/..., and the platform headers they include, found by following their
# includes, to <folder>/objcomm/platform/. Only one thing changes on the way: an include of
# "platform/x.h" becomes "objcomm/platform/x.h", so that every include resolves under the
# one folder a consumer's compiler already searches (/usr/include, or the prefix's include/).
# HEADER_LIST names the headers, one a line, as paths from the repository's root. Any other
# quoted include in them, or one of a header that is not listed, fails the staging: the
# installed headers would not compile.
cmake_minimum_required(VERSION 3.25)
file(STRINGS "${HEADER_LIST}" headers)
file(REMOVE_RECURSE "${OUTPUT_DIR}/objcomm")

set(queue ${headers})
set(done)
while(queue)
  list(POP_FRONT queue header)
  if(header IN_LIST done)
    continue()
  endif()
  list(APPEND done ${header})

  file(READ "${SOURCE_DIR}/${header}" text)
  string(REGEX MATCHALL "#include \"[^\"]+\"" includes "${text}")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" included "${line}")
    if(included MATCHES "^platform/")
      list(APPEND queue ${included})
    elseif(NOT included IN_LIST headers)
      message(FATAL_ERROR "${header} includes \"${included}\", which the SDK does not install")
    endif()
  endforeach()
  string(REGEX REPLACE "#include \"platform/" "#include \"objcomm/platform/" text "${text}")

  if(header MATCHES "^platform/")
    set(target "${OUTPUT_DIR}/objcomm/${header}")
  else()
    set(target "${OUTPUT_DIR}/${header}")
  endif()
  file(WRITE "${target}" "${text}")
endwhile()
