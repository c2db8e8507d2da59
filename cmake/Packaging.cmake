# Installation and the Debian package: the programs, the desktop entry and
# the scalable icon. Tests, benchmarks and the static libraries stay in the
# build tree. `cpack -G DEB` in a build folder makes the package.
include(GNUInstallDirs)

set(ROTALO_PROGRAMS rotalo-cli)
if(TARGET rotalo)
  list(PREPEND ROTALO_PROGRAMS rotalo)
endif()
install(TARGETS ${ROTALO_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/rotalo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/art/rotalo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

if(NOT ROTALO_TOP_LEVEL)
  return()  # a project that includes Rotalo makes its own packages
endif()

set(CPACK_PACKAGE_NAME rotalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Rotalo developers")
set(CPACK_PACKAGE_CONTACT "Rotalo developers <rotalo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Paint your own scrambled cube and watch it solved")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
     "Rotalo solves your own scrambled 3x3x3 cube. You paint the stickers of"
     "your real cube onto an isometric drawing; Rotalo checks that the"
     "painting can be a real cube, works out a layer-by-layer solution, leads"
     "you through a repair when the cube was once put back together wrongly,"
     "and plays the solution back move by move as an animation."
     ""
     "rotalo-cli checks and solves cubes given as strings of digits, for"
     "scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rotalo developers <rotalo@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link (Qt among them) become dependencies through
# dpkg-shlibdeps, from the dpkg-dev package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET rotalo)
  # Loaded at run time, so dpkg-shlibdeps cannot see them: the platform
  # plugins that open windows, and the font the title is drawn in.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core")
endif()

include(CPack)
