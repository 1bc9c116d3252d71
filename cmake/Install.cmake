# Install rules and the Debian package. The programs go to bin/, their
# files to the program's data folder under share/, the desktop's files to
# where desktops look for them.

install(TARGETS ignivar ignivar-sim ignivar-face RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The shipped skin file is the one the generator made, even where a
# developer edited the build tree's copy.
install(FILES ${IGNIVAR_BIN_DIR}/Config.ini.generated DESTINATION ${IGNIVAR_INSTALL_DATADIR} RENAME Config.ini)
install(FILES ${IGNIVAR_BIN_DIR}/Readme.txt ${IGNIVAR_BIN_DIR}/Whatsnew.txt DESTINATION ${IGNIVAR_INSTALL_DATADIR})
install(DIRECTORY ${IGNIVAR_BIN_DIR}/Graphics ${IGNIVAR_BIN_DIR}/Sound DESTINATION ${IGNIVAR_INSTALL_DATADIR})
install(DIRECTORY ${IGNIVAR_BIN_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

install(FILES data/ignivar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
set(IGNIVAR_FULL_DATADIR ${CMAKE_INSTALL_PREFIX}/${IGNIVAR_INSTALL_DATADIR})
configure_file(data/org.example.ignivar.metainfo.xml ${CMAKE_BINARY_DIR}/data/org.example.ignivar.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/org.example.ignivar.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(doc man/ignivar.6 man/ignivar-sim.1 man/ignivar-face.1 changelog)
  get_filename_component(name ${doc} NAME)
  configure_file(data/${doc} ${CMAKE_BINARY_DIR}/data/${name} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data/${name}.gz
                     COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/data/${name}
                     DEPENDS ${CMAKE_BINARY_DIR}/data/${name} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/data/${name}.gz)
endforeach()
add_custom_target(docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/data/ignivar.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/data/ignivar-sim.1.gz ${CMAKE_BINARY_DIR}/data/ignivar-face.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ignivar)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ignivar)
set(CPACK_PACKAGE_VENDOR "${IGNIVAR_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${IGNIVAR_AUTHOR} <${IGNIVAR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of a pocket LCD fire-fighting game and watch")
# CPack puts the summary first and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Ignivar simulates a pocket LCD game unit that is a small action game and a
watch in one: flames thrown by an enemy creep down three lanes towards a
hero, who puts them out with water. Three misses end the game; game A and
game B differ in speed. The watch shows the time, an alarm, the date and a
chronograph. The unit's look comes from a skin that players can change.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${IGNIVAR_WEBSITE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
