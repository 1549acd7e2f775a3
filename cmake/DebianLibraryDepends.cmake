# Run by cpack between staging the files and building the packages: the Depends of
# libobjcomm2, from dpkg-shlibdeps over the staged library, as CPack's own shlibdeps would
# give them (Packaging.cmake says why CPack does not look at this package's files).
file(GLOB library "${CPACK_TEMPORARY_DIRECTORY}/lib/usr/lib/*/libobjcomm.so.*.*.*")
if(NOT library)
  message(FATAL_ERROR "DebianLibraryDepends: no libobjcomm.so in ${CPACK_TEMPORARY_DIRECTORY}/lib")
endif()
# dpkg-shlibdeps wants a debian/control where it runs, and nothing in it.
set(work "${CPACK_TEMPORARY_DIRECTORY}/lib-shlibdeps")
file(MAKE_DIRECTORY "${work}/debian")
file(WRITE "${work}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps -O ${library}
  WORKING_DIRECTORY "${work}"
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status
  OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${work}")
if(NOT status EQUAL 0 OR NOT output MATCHES "^shlibs:Depends=(.+)$")
  message(FATAL_ERROR "DebianLibraryDepends: dpkg-shlibdeps ${library} failed: ${errors}")
endif()
set(CPACK_DEBIAN_LIB_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
message(STATUS "libobjcomm2 depends on ${CPACK_DEBIAN_LIB_PACKAGE_DEPENDS}")
