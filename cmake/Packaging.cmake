# Installation and the Debian package: the programs, the desktop entry and
# the scalable icon. Tests, benchmarks and the static libraries stay in the
# build tree. `cpack -G DEB` in a build folder makes the package.
include(GNUInstallDirs)

set(ROTALO_PROGRAMS rotalo-cli)
if(TARGET rotalo)
  list(PREPEND ROTALO_PROGRAMS rotalo)
endif()
# Debian keeps games in /usr/games, which is on every user's PATH.
install(TARGETS ${ROTALO_PROGRAMS} RUNTIME DESTINATION games)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/rotalo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/art/rotalo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.rotalo.Rotalo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rotalo)

# Manual pages and the package's change log, compressed as Debian has them
# (gzip -n: no name or time stamp, so the files do not change from build to
# build).
set(ROTALO_GZIPPED)
foreach(source man/rotalo.6 man/rotalo-cli.6 changelog)
  get_filename_component(name ${source} NAME)
  set(gzipped ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
                     COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${source} > ${gzipped}
                     DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source} VERBATIM)
  list(APPEND ROTALO_GZIPPED ${gzipped})
endforeach()
add_custom_target(rotalo_packaging_files ALL DEPENDS ${ROTALO_GZIPPED})
install(FILES ${PROJECT_BINARY_DIR}/packaging/rotalo.6.gz ${PROJECT_BINARY_DIR}/packaging/rotalo-cli.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rotalo)

if(NOT ROTALO_TOP_LEVEL)
  return()  # a project that includes Rotalo makes its own packages
endif()

set(CPACK_PACKAGE_NAME rotalo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Rotalo developers")
set(CPACK_PACKAGE_CONTACT "Rotalo developers <developers@rotalo.org>")
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

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Rotalo developers <developers@rotalo.org>")
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
