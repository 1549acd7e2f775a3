# The objcomm library as an SDK for programs outside this repository:
#   lib/<triplet>/libobjcomm.so.2                        component lib (package libobjcomm2)
#   include/objcomm/**.h, lib/<triplet>/libobjcomm.so,
#   lib/<triplet>/cmake/ObjComm/, lib/<triplet>/pkgconfig/objcomm.pc   component dev (libobjcomm-dev)
# A consumer writes find_package(ObjComm 2) and links ObjComm::objcomm, or builds with
# `pkg-config --cflags --libs objcomm`, and includes <objcomm/response.h>; nothing else.
# The symbols the library exports are checked against objcomm/libobjcomm.symbols in the
# release build (scripts/update-symbols rewrites the list after a deliberate API change).
if(NOT OBJCOMM_SHARED)
  message(STATUS "OBJCOMM_SHARED is OFF: libobjcomm.a serves this build's programs; no SDK is installed")
  return()
endif()

include(CMakePackageConfigHelpers)
set(sdk_dir ${PROJECT_BINARY_DIR}/sdk)

# Headers: every header of the library's layers, staged as they install (see
# StageSdkHeaders.cmake): include/objcomm/ as in the repository, with the platform headers
# they include in include/objcomm/platform/.
get_property(objcomm_targets GLOBAL PROPERTY objcomm_layers)
list(APPEND objcomm_targets objcomm)
set(sdk_headers)
set(sdk_header_files)
foreach(target IN LISTS objcomm_targets)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  list(FILTER sources INCLUDE REGEX "\\.h$")
  foreach(header IN LISTS sources)
    get_filename_component(absolute ${header} ABSOLUTE BASE_DIR ${dir})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${absolute})
    list(APPEND sdk_headers ${relative})
    list(APPEND sdk_header_files ${absolute})
  endforeach()
endforeach()
list(JOIN sdk_headers "\n" header_lines)
file(CONFIGURE OUTPUT ${sdk_dir}/headers.txt CONTENT "${header_lines}\n")
file(GLOB platform_header_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/platform/*.h)
add_custom_command(OUTPUT ${sdk_dir}/headers.stamp
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DHEADER_LIST=${sdk_dir}/headers.txt
    -DOUTPUT_DIR=${sdk_dir}/include -P ${PROJECT_SOURCE_DIR}/cmake/StageSdkHeaders.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${sdk_dir}/headers.stamp
  DEPENDS ${sdk_header_files} ${platform_header_files} ${sdk_dir}/headers.txt
    ${PROJECT_SOURCE_DIR}/cmake/StageSdkHeaders.cmake
  COMMENT "Staging the SDK's headers"
  VERBATIM)
add_custom_target(objcomm_sdk_headers ALL DEPENDS ${sdk_dir}/headers.stamp)
install(DIRECTORY ${sdk_dir}/include/objcomm DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)

# The library, and the CMake package that imports it as ObjComm::objcomm with its include
# folder and C++20.
set(objcomm_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ObjComm)
install(TARGETS objcomm EXPORT ObjCommTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT lib NAMELINK_COMPONENT dev
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT ObjCommTargets NAMESPACE ObjComm:: DESTINATION ${objcomm_cmake_dir} COMPONENT dev)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/ObjCommConfig.cmake.in
  ${sdk_dir}/ObjCommConfig.cmake INSTALL_DESTINATION ${objcomm_cmake_dir})
write_basic_package_version_file(${sdk_dir}/ObjCommConfigVersion.cmake
  VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}
  COMPATIBILITY SameMajorVersion)
install(FILES ${sdk_dir}/ObjCommConfig.cmake ${sdk_dir}/ObjCommConfigVersion.cmake
  DESTINATION ${objcomm_cmake_dir} COMPONENT dev)

# pkg-config: the prefix is the one installed to, which `cmake --install --prefix` and the
# package (/usr) decide only when installing, so the file is written then.
configure_file(${PROJECT_SOURCE_DIR}/cmake/objcomm.pc.in ${sdk_dir}/objcomm.pc.in @ONLY)
install(CODE "
  set(pc_file \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/objcomm.pc\")
  message(STATUS \"Installing: \$ENV{DESTDIR}\${pc_file}\")
  file(READ \"${sdk_dir}/objcomm.pc.in\" pc)
  string(REPLACE \"%PREFIX%\" \"\${CMAKE_INSTALL_PREFIX}\" pc \"\${pc}\")
  file(WRITE \"\$ENV{DESTDIR}\${pc_file}\" \"\${pc}\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${pc_file}\")
" COMPONENT dev)

# The exported symbols against the list kept in the repository, in the release build: a
# removed or changed function or class fails the build, and so does a new one until the
# list names it. Defined, non-weak dynamic symbols only: the weak ones are the inline and
# template code that every user compiles for itself.
set(objcomm_symbols ${PROJECT_SOURCE_DIR}/objcomm/libobjcomm.symbols)
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
    AND NOT STATION_SANITIZE AND NOT STATION_FUZZ)
  set(stamp ${sdk_dir}/symbols.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-symbols $<TARGET_FILE:objcomm> ${objcomm_symbols}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS objcomm ${objcomm_symbols} ${PROJECT_SOURCE_DIR}/scripts/check-symbols
    COMMENT "Checking the symbols libobjcomm.so.2 exports against objcomm/libobjcomm.symbols"
    VERBATIM)
  add_custom_target(objcomm_symbols ALL DEPENDS ${stamp})
endif()
