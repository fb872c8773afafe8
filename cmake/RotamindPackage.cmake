# The Debian package, made by `cpack -G DEB` in the build folder (see
# scripts/package): what the install rules put under /usr, with the run-time
# libraries found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotamind)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Rotamind developers")
set(CPACK_PACKAGE_CONTACT "${ROTAMIND_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ROTAMIND_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/rotamind/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the fonts the windows
# are laid out for and the Italian texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "companion for players of single-zero roulette
Rotamind records each winning number and the direction of the launch,
classifies every launch by its distance round the wheel, keeps spin lists
and line charts, and recomputes the statistics at once. After a last number
it shows the six pockets to bet on a wheel picture. Sessions and charts are
saved by hand or automatically. The program speaks Italian or English.")

include(CPack)
