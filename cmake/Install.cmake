# Install rules and the Debian packages. The programs go to bin/, their
# files to the program's data folder under share/, the desktop's files to
# where desktops look for them; the libretro core, in a package of its own,
# to the library's libretro folder as Debian's own cores are.

set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME program)
install(TARGETS ignivar ignivar-sim ignivar-face RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The clip exporter, which the program loads when a clip is made.
install(TARGETS ignivar-clips LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/ignivar)

# The shipped skin file is the one the generator made, even where a
# developer edited the build tree's copy.
install(FILES ${IGNIVAR_BIN_DIR}/Config.ini.generated DESTINATION ${IGNIVAR_INSTALL_DATADIR} RENAME Config.ini)
install(FILES ${IGNIVAR_BIN_DIR}/Readme.txt ${IGNIVAR_BIN_DIR}/Whatsnew.txt DESTINATION ${IGNIVAR_INSTALL_DATADIR})
install(DIRECTORY ${IGNIVAR_BIN_DIR}/Graphics ${IGNIVAR_BIN_DIR}/Sound ${IGNIVAR_BIN_DIR}/Languages
        DESTINATION ${IGNIVAR_INSTALL_DATADIR})
install(DIRECTORY ${IGNIVAR_BIN_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

install(FILES data/ignivar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
set(IGNIVAR_FULL_DATADIR ${CMAKE_INSTALL_PREFIX}/${IGNIVAR_INSTALL_DATADIR})
configure_file(data/org.example.ignivar.metainfo.xml ${CMAKE_BINARY_DIR}/data/org.example.ignivar.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/org.example.ignivar.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
set(compressed)
# The program's manual page in the other languages, each in its language's folder.
set(man_languages de es fr ja)
foreach(doc man/ignivar.6 man/ignivar-sim.1 man/ignivar-face.1 changelog)
  get_filename_component(name ${doc} NAME)
  configure_file(data/${doc} ${CMAKE_BINARY_DIR}/data/${name} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data/${name}.gz
                     COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/data/${name}
                     DEPENDS ${CMAKE_BINARY_DIR}/data/${name} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/data/${name}.gz)
endforeach()
foreach(lang ${man_languages})
  set(page ${CMAKE_BINARY_DIR}/data/${lang}/ignivar.6)
  configure_file(data/man/${lang}/ignivar.6 ${page} @ONLY)
  add_custom_command(OUTPUT ${page}.gz COMMAND ${GZIP} -9nf -k ${page} DEPENDS ${page} VERBATIM)
  list(APPEND compressed ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/${lang}/man6)
endforeach()
add_custom_target(docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/data/ignivar.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/data/ignivar-sim.1.gz ${CMAKE_BINARY_DIR}/data/ignivar-face.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/data/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ignivar)

if(TARGET ignivar_libretro)
  install(TARGETS ignivar_libretro LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/libretro COMPONENT core)
  configure_file(data/ignivar.libretro ${CMAKE_BINARY_DIR}/data/ignivar.libretro @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/data/ignivar.libretro DESTINATION ${CMAKE_INSTALL_LIBDIR}/libretro COMPONENT core)
  install(FILES ${IGNIVAR_CORE_DIR}/ignivar_libretro.info DESTINATION ${CMAKE_INSTALL_DATADIR}/libretro/info COMPONENT core)
  configure_file(data/libretro-ignivar.metainfo.xml ${CMAKE_BINARY_DIR}/data/libretro-ignivar.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/data/libretro-ignivar.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
          COMPONENT core)
  configure_file(data/changelog ${CMAKE_BINARY_DIR}/data/core/changelog @ONLY)
  file(READ ${CMAKE_BINARY_DIR}/data/core/changelog core_changelog)
  string(REGEX REPLACE "^ignivar " "libretro-ignivar " core_changelog "${core_changelog}")
  file(WRITE ${CMAKE_BINARY_DIR}/data/core/changelog "${core_changelog}")
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data/core/changelog.gz
                     COMMAND ${GZIP} -9nf -k ${CMAKE_BINARY_DIR}/data/core/changelog
                     DEPENDS ${CMAKE_BINARY_DIR}/data/core/changelog VERBATIM)
  add_custom_target(core_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/data/core/changelog.gz)
  install(FILES data/copyright ${CMAKE_BINARY_DIR}/data/core/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/libretro-ignivar COMPONENT core)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program)
if(TARGET ignivar_libretro)
  list(APPEND CPACK_COMPONENTS_ALL core)
endif()
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME ignivar)
set(CPACK_DEBIAN_CORE_PACKAGE_NAME libretro-ignivar)
set(CPACK_DEBIAN_CORE_PACKAGE_DEPENDS "retroarch | libretro-frontend")
set(CPACK_DEBIAN_CORE_DESCRIPTION "libretro core of the Ignivar pocket LCD game and watch
The Ignivar pocket LCD fire-fighting game and watch as a libretro core, for
RetroArch and other libretro front ends. It runs without content, carries
its default skin, keeps high scores in the front end's save memory and
supports save states, rewind, run-ahead and netplay.")

set(CPACK_PACKAGE_NAME ignivar)
set(CPACK_PACKAGE_VENDOR "${IGNIVAR_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${IGNIVAR_AUTHOR} <${IGNIVAR_EMAIL}>")
# Each package's summary is the first line of its description (CPack would
# put one summary before both); CPack indents the lines itself.
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "simulator of a pocket LCD fire-fighting game and watch
Ignivar simulates a pocket LCD game unit that is a small action game and a
watch in one: flames thrown by an enemy creep down three lanes towards a
hero, who puts them out with water. Three misses end the game; game A and
game B differ in speed. The watch shows the time, an alarm, the date and a
chronograph. The unit's look comes from a skin that players can change.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${IGNIVAR_WEBSITE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL and SDL_mixer are opened at run time (for sound and gamepads), so the
# scan of linked libraries does not see them.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
    "fonts-dejavu-core, fonts-liberation, libsdl2-2.0-0 (>= 2.24), libsdl2-mixer-2.0-0 (>= 2.6)")
# On a Wayland desktop the program is a Wayland client with Qt's plugin
# (without it, Qt runs it through XWayland); Qt's own buttons speak the
# player's language with Qt's translations, and Japanese needs a CJK font.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
