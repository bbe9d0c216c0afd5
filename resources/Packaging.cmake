# The Debian package: `cpack -G DEB` in the build folder.

set(PAARVINDER_PACKAGE_MAINTAINER "${PAARVINDER_COMPANY_NAME}"
    CACHE STRING "Maintainer field of the Debian package, \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME paarvinder)
set(CPACK_PACKAGE_VERSION "${PAARVINDER_FILE_VERSION}")
set(CPACK_PACKAGE_VENDOR "${PAARVINDER_COMPANY_NAME}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vindt waar bestanden met een bepaalde naam staan")
set(CPACK_PACKAGE_DESCRIPTION
    "Paarvinder is a small desktop utility with a Dutch interface that finds where\n\
files of a given name lie on the machine's disks. It walks every mounted drive\n\
that is not a removable or optical medium and saves each report as an RTF file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PAARVINDER_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries the program links come from dpkg-shlibdeps; Qt's platform
# plugins are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
