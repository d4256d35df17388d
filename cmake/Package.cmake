# The Debian package, built by CPack (scripts/package): the installed tree of Install.cmake
# under /usr, with the dependencies that dpkg-shlibdeps computes from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvex)
set(CPACK_PACKAGE_VENDOR "Torvex developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for the directory menu of a file manager running under Wine")
# Lines of at most 80 characters, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION
    "Torvex edits the directory menu of a dual-pane Windows file manager run
under Wine: the favourite folders that the file manager keeps as numbered
keys in the section DirMenu of its wincmd.ini. It finds that file through the
Wine prefix, shows the menu as a tree beside a folder list, lets the user
rearrange it by drag and drop, finds entries whose folders are gone, and
writes the section back without touching anything else in the file.

The package also holds torvex-menu, which prints, checks, compares and
resaves a menu from the command line.")
set(TORVEX_HOMEPAGE https://github.com/torvex/torvex)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TORVEX_HOMEPAGE})

set(TORVEX_PACKAGE_MAINTAINER "Torvex developers <torvex@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TORVEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt's own texts (the buttons of its standard dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine, qt6-translations-l10n")

include(CPack)
