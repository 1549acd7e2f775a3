# Run by cpack between staging the files and building the packages: configure-station ships
# the folder the settings live in, empty and 0755 root:root, and postinst hands it to the
# operators' group. The program's path to it is fixed whatever the prefix, and an install
# rule would make every `cmake --install` write to /var, so only the package gets it.
# Each package is staged in a folder of its own, named after its install component.
file(MAKE_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}/station/var/lib/configure-station")
