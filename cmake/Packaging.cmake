# The Debian package, made by CPack from the install rules (`cpack -G DEB` in
# the build folder). The package installs under /usr: the programs in
# /usr/lib/tessara with links in /usr/bin.

set(CPACK_PACKAGE_NAME "tessara")
set(CPACK_PACKAGE_VENDOR "Tessara developers")
set(CPACK_PACKAGE_CONTACT "Tessara developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Transforms coordinates between ITRF at an epoch and GDA94 with the time-dependent\n"
    "similarity transformation, one point at a time or whole point files. The package\n"
    "holds the desktop program tessara, the parameter editor tessparams and the\n"
    "command-line program tessara-cli.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessara developers")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Qt and the C++ runtime, found from the programs' linked libraries; the
# platform plugins come with libqt6gui6 on Debian 12.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The log and message files are opened in the desktop's viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# A relocatable archive (cpack -G TGZ) keeps its files beside the programs:
# it leaves the shared-install marker out.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack_project_config.cmake)

include(CPack)
