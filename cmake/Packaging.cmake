# cpack -G DEB: one package with the three programs, the desktop entry and the icon.
# The libraries it needs are found by dpkg-shlibdeps; what is loaded at run time without
# being linked is named here.
set(CPACK_PACKAGE_NAME configure-station)
set(CPACK_PACKAGE_VENDOR "Olvane")
set(CPACK_PACKAGE_CONTACT "Olvane <support@olvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Configure Programming Station: smart-card station settings and Object Communicator tools")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's display plugins, and the PC/SC daemon that lists the readers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, pcscd")
include(CPack)
