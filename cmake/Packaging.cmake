# cpack -G DEB: one package with the three programs, their manual pages, the desktop entry,
# the icon and the folder the settings live in.
# The libraries it needs are found by dpkg-shlibdeps; what is loaded at run time without
# being linked, or run by the maintainer scripts, is named here.
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
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "settings dialog and tools for a smart-card programming station")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${debian_dir}/description)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's display plugins, the PC/SC daemon that lists the readers, and addgroup for postinst.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, pcscd, adduser")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${debian_dir}/postinst ${debian_dir}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianStateFolder.cmake)
include(CPack)
