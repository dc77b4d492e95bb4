# The package a Windows user unzips anywhere and starts: build/windows/tallydene-<version>-windows.zip
# holds the folder Tallydene with the program (statically linked, so it needs nothing
# installed), its help and terms in docs, and its catalogs in locale, where the program looks
# for them beside itself.
set(TALLYDENE_VERSION 1.0.0)
set(stage ${PROJECT_BINARY_DIR}/package/Tallydene)
set(zip ${PROJECT_BINARY_DIR}/tallydene-${TALLYDENE_VERSION}-windows.zip)
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/docs ${stage}/locale/de/LC_MESSAGES
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tallydene> ${stage}/tallydene.exe
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/docs/help ${stage}/docs/help
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/Readme.txt ${stage}/docs/Readme.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/copyright ${stage}/copyright.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_BINARY_DIR}/locale/de/LC_MESSAGES/tallydene.mo
          ${stage}/locale/de/LC_MESSAGES/tallydene.mo
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/package
          ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Tallydene
  DEPENDS tallydene translations ${PROJECT_SOURCE_DIR}/docs/Readme.txt ${PROJECT_SOURCE_DIR}/data/copyright
  COMMENT "Packing ${zip}")
add_custom_target(package_zip DEPENDS ${zip})

# The installer, from the same folder, when Debian's nsis is there: build/windows/
# tallydene-<version>-windows-setup.exe installs for the user without administrator rights.
find_program(TALLYDENE_MAKENSIS makensis)
if(TALLYDENE_MAKENSIS)
  set(setup ${PROJECT_BINARY_DIR}/tallydene-${TALLYDENE_VERSION}-windows-setup.exe)
  add_custom_command(OUTPUT ${setup}
    COMMAND ${TALLYDENE_MAKENSIS} -V2 -DVERSION=${TALLYDENE_VERSION} -DSTAGE=${stage}
            -DICON=${PROJECT_SOURCE_DIR}/ui/tallydene.ico -DOUTFILE=${setup}
            ${PROJECT_SOURCE_DIR}/cmake/tallydene.nsi
    DEPENDS ${zip} ${PROJECT_SOURCE_DIR}/cmake/tallydene.nsi ${PROJECT_SOURCE_DIR}/ui/tallydene.ico
    COMMENT "Making the installer ${setup}")
  add_custom_target(package_installer DEPENDS ${setup})
endif()
