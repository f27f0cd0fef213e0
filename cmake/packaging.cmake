# What the Debian package installs and how CPack builds it: `cpack -G DEB` in a build folder.
include(GNUInstallDirs)
set(KORVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/korvel-view)

install(TARGETS korvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET korvel-view)
  install(TARGETS korvel-view RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/korvel-view-demo DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvel-view.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/korvel-view.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/docs/help.html ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${KORVEL_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel-view)
set(CPACK_PACKAGE_VENDOR "Korvel View")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for small animated 3D scenes of DirectX .x models")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Korvel View shows one animated 3D scene at a time: a model morphed between key shapes, a
background and an overlay, with an orbit camera, a demo mode, a debug view and an environment
editor. korvel is its headless tool: scripted rendering, scene checks, key-shape export and the
demo scenes.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvel View developers <korvel-view@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Libraries the programs link come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The Help menu opens help.html with xdg-open; the Japanese message texts need a font with their glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-ipafont-gothic")
include(CPack)
