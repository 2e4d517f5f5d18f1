# SPDX-License-Identifier: MIT
# `make deb`: a Debian binary package of the two programs and their data,
# build/linkmint_<version>_<arch>.deb. Only what the install rules put in
# the tree goes in; the libraries' dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME linkmint)
set(CPACK_PACKAGE_VERSION "${LINKMINT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Linkmint developers")
set(CPACK_PACKAGE_CONTACT "The Linkmint developers <linkmint@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make ed2k links of files and folders")
# CPack puts the summary in front as the first line.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Linkmint reads every file once and computes, from the same bytes, its\n"
    "ed2k hash, CRC-32, MD5 and SHA-1, and shows the ed2k link of each file in\n"
    "a desktop window. It tells whether a CRC-32 written in a file's name\n"
    "matches the file, and saves or copies the links. linkmint-cli prints the\n"
    "same links on a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX "${CMAKE_BINARY_DIR}")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform is a plugin that no library links: without it the
# window opens only through an X server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LM_HOMEPAGE_URL}")
include(CPack)
