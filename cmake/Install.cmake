# Installation into the standard places below CMAKE_INSTALL_PREFIX (DESTDIR is honoured by
# cmake --install), and the Debian package made from it with cpack -G DEB.
include(GNUInstallDirs)

# The program finds its documentation as "../share/tallydene/docs" from its own folder, so
# these two places stay fixed whatever the prefix.
install(TARGETS tallydene RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help DESTINATION share/tallydene/docs)
install(FILES ${PROJECT_SOURCE_DIR}/docs/Readme.txt DESTINATION share/tallydene/docs)

# Where Debian's policy wants the terms of every package.
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tallydene)
install(FILES ${PROJECT_SOURCE_DIR}/data/tallydene.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/tallydene.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Manual pages are installed compressed, as Debian's policy asks; -n keeps the file the same
# from build to build.
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/tallydene.1.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/tallydene.1 > ${PROJECT_BINARY_DIR}/tallydene.1.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/data/tallydene.1)
add_custom_target(manual_page ALL DEPENDS ${PROJECT_BINARY_DIR}/tallydene.1.gz)
install(FILES ${PROJECT_BINARY_DIR}/tallydene.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY ${TALLYDENE_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_PACKAGE_NAME tallydene)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR Brindlecott)
set(CPACK_PACKAGE_CONTACT Brindlecott)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop time tracker for projects and their todos")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallydene keeps projects that hold todos. One todo at a time runs; the time that passes\n\
is booked on it, on its project and on an overtime account charged each day's target\n\
of working hours. All data lives in one text file saved every minute.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
