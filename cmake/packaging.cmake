# The Debian package: `cpack -G DEB` in a build folder makes orvanel_<version>-1_<arch>.deb
# from what `cmake --install` puts under /usr (scripts/package does it all).
set(CPACK_PACKAGE_NAME orvanel)
set(CPACK_PACKAGE_VENDOR "Orvanel developers")
set(CPACK_PACKAGE_CONTACT "Orvanel developers <developers@orvanel.net>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of the long description stay under 80 characters, as Debian's tools expect.
set(CPACK_PACKAGE_DESCRIPTION [[
Orvanel teaches the basics of four divination subjects: astrology, numerology,
tarot and runes. One main window launches the courses; each course lets you
study its items one by one and then take a multiple-choice test that ends with
a scored report.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Depends on the libraries the program links, as dpkg-shlibdeps finds them, and on Qt's
# SQLite driver, a plugin that Qt loads at run time to read learn.dll.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6sql6-sqlite)

include(CPack)
