# Read by cpack before it builds a package: a Debian package names its
# maintainer, and the project has none to put there on its own.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_MAINTAINER)
    message(FATAL_ERROR "The Debian package needs a maintainer: configure with "
                        "-DFAZOLAB_OPIEKUN_PAKIETU=\"Name <address>\" (or with DEBFULLNAME and "
                        "DEBEMAIL set in the environment) and build again.")
endif()
