# cpack -G DEB: one package per install component.
#   configure-station  (station) the three programs, their manual pages, the desktop entry,
#                      the icon and the folder the settings live in
#   libobjcomm2        (lib)     the shared library libobjcomm.so.2
#   libobjcomm-dev     (dev)     its headers, CMake package, pkg-config file and the
#                                libobjcomm.so link (cmake/ObjCommSdk.cmake)
#   objcomm-wireshark  (wireshark) the Wireshark plugin, when it is built (wireshark/)
# With -DOBJCOMM_SHARED=OFF the programs carry the library, and configure-station is the one
# package. The libraries the programs need are found by dpkg-shlibdeps; what is loaded at
# run time without being linked, or run by the maintainer scripts, is named here.
set(debian_dir ${PROJECT_SOURCE_DIR}/packaging/debian)

# The package's version is the project's, so the changelog must have an entry for it.
file(STRINGS ${debian_dir}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^configure-station \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog starts with '${changelog_head}': "
    "add an entry for version ${PROJECT_VERSION} at its top")
endif()

station_gzip(changelog_gz ${debian_dir}/changelog)
add_custom_target(package_docs ALL DEPENDS ${changelog_gz})
install(FILES ${debian_dir}/copyright ${changelog_gz} README.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The README shows it from beside itself.
install(FILES docs/configure-station.png DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

set(CPACK_PACKAGE_NAME configure-station)
set(CPACK_PACKAGE_VENDOR "Olvane")
set(CPACK_PACKAGE_CONTACT "Olvane <support@olvane.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SOURCE configure-station)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianStateFolder.cmake)

# Each package's description is its own: a summary line, then the text of its file.
function(debian_description component summary file)
  file(READ ${file} text)
  set(CPACK_DEBIAN_${component}_DESCRIPTION "${summary}\n${text}" PARENT_SCOPE)
endfunction()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_STATION_PACKAGE_NAME configure-station)
set(CPACK_DEBIAN_STATION_PACKAGE_SECTION admin)
debian_description(STATION "settings dialog and tools for a smart-card programming station"
  ${debian_dir}/description)
# Qt's display plugins, the PC/SC daemon that lists the readers, and addgroup for postinst.
set(CPACK_DEBIAN_STATION_PACKAGE_DEPENDS "qt6-qpa-plugins, pcscd, adduser")
set(CPACK_DEBIAN_STATION_PACKAGE_CONTROL_EXTRA ${debian_dir}/postinst ${debian_dir}/postrm)

if(NOT OBJCOMM_SHARED)
  set(CPACK_COMPONENTS_ALL station)
  include(CPack)
  return()
endif()

set(CPACK_COMPONENTS_ALL station lib dev)
if(TARGET objcomm_wireshark)
  list(APPEND CPACK_COMPONENTS_ALL wireshark)
endif()
# configure-station, libobjcomm-dev and the plugin need the libobjcomm2 of their own build.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_STATION_DEPENDS lib)
set(CPACK_COMPONENT_DEV_DEPENDS lib)
set(CPACK_COMPONENT_WIRESHARK_DEPENDS lib)
# dpkg-shlibdeps finds libobjcomm.so.2 in the build tree; the dependency on its package is
# the one above.
get_target_property(objcomm_binary_dir objcomm BINARY_DIR)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${objcomm_binary_dir})

# libobjcomm2 activates libc's ldconfig trigger and declares its shlibs. CPack would call
# ldconfig from generated maintainer scripts instead, which lintian rejects, so it is not
# left to look at this package's files (no shlibdeps for it): DebianLibraryDepends.cmake
# runs dpkg-shlibdeps on the staged library itself.
set(CPACK_DEBIAN_LIB_PACKAGE_NAME libobjcomm2)
set(CPACK_DEBIAN_LIB_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIB_PACKAGE_SHLIBDEPS OFF)
debian_description(LIB "Object Communicator protocol library" ${debian_dir}/libobjcomm2.description)
configure_file(${debian_dir}/libobjcomm2.shlibs.in ${PROJECT_BINARY_DIR}/debian/libobjcomm2/shlibs @ONLY)
configure_file(${debian_dir}/libobjcomm2.triggers ${PROJECT_BINARY_DIR}/debian/libobjcomm2/triggers COPYONLY)
set(CPACK_DEBIAN_LIB_PACKAGE_CONTROL_EXTRA
  ${PROJECT_BINARY_DIR}/debian/libobjcomm2/shlibs ${PROJECT_BINARY_DIR}/debian/libobjcomm2/triggers)
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianLibraryDepends.cmake)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libobjcomm-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
debian_description(DEV "Object Communicator protocol library - development files"
  ${debian_dir}/libobjcomm-dev.description)

set(CPACK_DEBIAN_WIRESHARK_PACKAGE_NAME objcomm-wireshark)
set(CPACK_DEBIAN_WIRESHARK_PACKAGE_SECTION net)
# Wireshark loads the plugin; tshark or wireshark itself is the user's choice.
set(CPACK_DEBIAN_WIRESHARK_PACKAGE_ENHANCES "wireshark, tshark")
debian_description(WIRESHARK "Object Communicator dissector for Wireshark"
  ${debian_dir}/objcomm-wireshark.description)

# Every package carries the copyright and the changelog.
foreach(component lib dev wireshark)
  string(TOUPPER ${component} upper)
  install(FILES ${debian_dir}/copyright ${changelog_gz}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${upper}_PACKAGE_NAME}
    COMPONENT ${component})
endforeach()

include(CPack)
