# What `cmake --install` puts where (GNUInstallDirs) and, with DEBIAN_PACKAGE on
# (tools/package.sh), how CPack makes the Debian package of it. The release's date
# goes into the menu metadata, the manual pages and the package's changelog.
include(GNUInstallDirs)
set(PACKAGE_NAME vorlat-tamsel)
set(DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${PACKAGE_NAME})
set(RELEASE_DATE 2026-12-07)
set(RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")
set(PACKAGE_MAINTAINER
    "Vorlat and Tamsel developers <maintainers@users.noreply.c-seed-6211e3c3.example>")
set(DEBIAN_REVISION 1)
set(PACKAGE_VERSION ${PROJECT_VERSION}-${DEBIAN_REVISION})

option(DEBIAN_PACKAGE "Install the Debian package's own files and set up CPack's DEB" OFF)
if(NOT DEBIAN_PACKAGE)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_CONTACT ${PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binaries link: Qt's X11 platform plugin to open a window,
# and Qt's Spanish texts and the fonts the panel's text is measured in, wanted but
# not needed.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Rigid-body rotation for the classroom: a heavy top and a free block")
# CPack indents the lines and turns the empty one into Debian's paragraph mark.
set(CPACK_PACKAGE_DESCRIPTION
    "Vorlat simulates a heavy symmetric top on a pivot: switch gravity on and it
precesses and nutates, tracing the path of its axle's end. Tamsel shows a
block turning freely in a room, about its axis of least, intermediate or
greatest moment of inertia, so that the instability of rotation about the
intermediate axis can be seen.

Both show graphs of the run, export it as CSV and save pictures; their
interface is in Spanish, with an English translation. simtrace runs the same
simulations without a window. A teachers' guide in Spanish is included.")
include(CPack)
