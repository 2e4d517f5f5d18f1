# SPDX-License-Identifier: MIT
# `make deb`: two Debian binary packages from one tree, both in build/:
#   linkmint_<version>_<arch>.deb      the window, its desktop files and icons
#   linkmint-cli_<version>_<arch>.deb  the command-line program alone, for
#                                      machines without a desktop
# Each holds what the install rules of its component (window, cli) put in the
# tree; the libraries' dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME linkmint)
set(CPACK_PACKAGE_VERSION "${LINKMINT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Linkmint developers")
set(CPACK_PACKAGE_CONTACT "${LM_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX "${CMAKE_BINARY_DIR}")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL window cli)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE linkmint)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(LM_HOMEPAGE_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LM_HOMEPAGE_URL}")
endif()

# Each description's first line is the package's summary.
set(CPACK_DEBIAN_CLI_PACKAGE_NAME linkmint-cli)
string(CONCAT CPACK_DEBIAN_CLI_DESCRIPTION
    "print the ed2k links of files on the command line\n"
    "linkmint-cli reads every file once and computes, from the same bytes, its\n"
    "ed2k hash, CRC-32, MD5 and SHA-1, optionally the AICH root and the part\n"
    "hashes, and prints the ed2k or magnet link of each file. It also checks\n"
    "files against saved lists: ed2k links, .sfv, md5sum and sha1sum files.\n"
    "It needs no display; the window is in the package linkmint.")

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME linkmint)
# Qt opens its display through a platform plugin, which it loads at run
# time: no library dependency names it.
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS "linkmint-cli (= ${LINKMINT_VERSION}), qt6-qpa-plugins")
# Recommended, since Qt and libcanberra load them at run time: Qt's
# Wayland platform, without which the window opens only through an X
# server, the freedesktop sound theme, which has the completion sound's
# events, and Qt's own translations for the standard dialogs.
set(CPACK_DEBIAN_WINDOW_PACKAGE_RECOMMENDS
    "qt6-wayland, sound-theme-freedesktop, qt6-translations-l10n")
string(CONCAT CPACK_DEBIAN_WINDOW_DESCRIPTION
    "make ed2k links of files and folders in a desktop window\n"
    "Linkmint reads every file once and computes, from the same bytes, its\n"
    "ed2k hash, CRC-32, MD5 and SHA-1, and shows the ed2k link of each file in\n"
    "a desktop window. It tells whether a CRC-32 written in a file's name\n"
    "matches the file, and saves or copies the links. The context menus of\n"
    "Dolphin and Nemo offer to open files and folders with Linkmint.")
include(CPack)
