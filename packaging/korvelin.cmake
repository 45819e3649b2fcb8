# Installing Korvelin and packaging it (CPack; a Debian package on Linux).
#
# The program's folder keeps the executable, the help file and the buzzer
# sound together, because the program looks for both beside itself:
#     Linux:   <prefix>/lib/korvelin/{korvelin,korvelin-services.so,korvelinhelpfile*.rtf,buzzer.wav,translations/}
#              <prefix>/bin/korvelin -> ../lib/korvelin/korvelin
#     Windows: <prefix>/{korvelin.exe,korvelinhelpfile*.rtf,buzzer.wav,translations/}
# The translations folder holds the program's korvelin_<code>.qm files; Qt's
# own come from the distribution's Qt (Debian: qt6-translations-l10n).
# The version comes from project(): splash, package, metainfo and man page.

set(KORVELIN_HOMEPAGE "https://www.brontique.net/" CACHE STRING "Home page named in the package and the metainfo")
set(KORVELIN_SCREENSHOT_URL "https://www.brontique.net/korvelin/screenshots/board.png"
  CACHE STRING "Published screenshot of the board named in the metainfo")
set(KORVELIN_RELEASE_DATE "2026-12-07" CACHE STRING "Date of this release, YYYY-MM-DD")
set(KORVELIN_APP_ID "com.brontique.Korvelin")

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  set(KORVELIN_PROGRAM_DIR ".")
else()
  set(KORVELIN_PROGRAM_DIR "lib/korvelin")
endif()

install(TARGETS korvelin-app RUNTIME DESTINATION ${KORVELIN_PROGRAM_DIR})
if(TARGET korvelin-services-module)
  install(TARGETS korvelin-services-module LIBRARY DESTINATION ${KORVELIN_PROGRAM_DIR})
endif()
install(FILES ${PROJECT_BINARY_DIR}/buzzer.wav ${KORVELIN_HELP_FILES}
  DESTINATION ${KORVELIN_PROGRAM_DIR})
install(FILES ${KORVELIN_QM_FILES} DESTINATION ${KORVELIN_PROGRAM_DIR}/translations)

if(UNIX AND NOT APPLE)
  set(korvelin_staging ${PROJECT_BINARY_DIR}/packaging)
  file(MAKE_DIRECTORY ${korvelin_staging})

  # The launcher on the PATH: a relative link, so any prefix works. The
  # program finds its folder through the link's target.
  file(CREATE_LINK ../lib/korvelin/korvelin ${korvelin_staging}/korvelin SYMBOLIC)
  install(FILES ${korvelin_staging}/korvelin DESTINATION bin)

  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${KORVELIN_APP_ID}.desktop DESTINATION share/applications)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${KORVELIN_APP_ID}.metainfo.xml.in
    ${korvelin_staging}/${KORVELIN_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${korvelin_staging}/${KORVELIN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/korvelin.svg DESTINATION share/icons/hicolor/scalable/apps)

  # PNG icons drawn by the program's own icon code.
  set(korvelin_icon_sizes 16 32 48 64 128 256)
  add_executable(genicons ${CMAKE_CURRENT_LIST_DIR}/genicons.cpp)
  target_link_libraries(genicons PRIVATE korvelin)
  set(korvelin_icon_files)
  foreach(side ${korvelin_icon_sizes})
    list(APPEND korvelin_icon_files ${korvelin_staging}/icons/${side}x${side}/apps/korvelin.png)
  endforeach()
  add_custom_command(OUTPUT ${korvelin_icon_files}
    COMMAND genicons ${korvelin_staging}/icons ${korvelin_icon_sizes}
    DEPENDS genicons
    COMMENT "Drawing the program icon for the icon theme")

  # Man page and changelog, compressed as Debian wants them.
  configure_file(${CMAKE_CURRENT_LIST_DIR}/korvelin.1 ${korvelin_staging}/korvelin.1 @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${korvelin_staging}/changelog @ONLY)
  add_custom_command(OUTPUT ${korvelin_staging}/korvelin.1.gz ${korvelin_staging}/changelog.gz
    COMMAND gzip -9nf -k ${korvelin_staging}/korvelin.1 ${korvelin_staging}/changelog
    DEPENDS ${korvelin_staging}/korvelin.1 ${korvelin_staging}/changelog
    COMMENT "Compressing the man page and the changelog")
  add_custom_target(korvelin_package_files ALL
    DEPENDS ${korvelin_icon_files} ${korvelin_staging}/korvelin.1.gz ${korvelin_staging}/changelog.gz)

  foreach(side ${korvelin_icon_sizes})
    install(FILES ${korvelin_staging}/icons/${side}x${side}/apps/korvelin.png
      DESTINATION share/icons/hicolor/${side}x${side}/apps)
  endforeach()
  install(FILES ${korvelin_staging}/korvelin.1.gz DESTINATION share/man/man1)
  install(FILES ${korvelin_staging}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
    DESTINATION share/doc/korvelin)
endif()

set(CPACK_PACKAGE_NAME korvelin)
set(CPACK_PACKAGE_VENDOR Brontique)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Brontique <korvelin@brontique.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "judo contest scoreboard for the operator and the audience")
set(CPACK_PACKAGE_DESCRIPTION
  "Korvelin keeps one judo contest at a time between Home and Visitor. The\n\
operator drives it from the keyboard; the same window is the audience display\n\
and scales with its window. Contest and osaekomi clocks, ippon, waza-ari and\n\
yuko counts, shido lamps with the penalty rules applied by the board, medical\n\
marks and a buzzer.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KORVELIN_HOMEPAGE})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Korvelin)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # Library dependencies are computed from the executable.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Labels are drawn in Arial; Liberation Sans stands in for it.
  # Qt's own translations make its dialogs speak the operator's language;
  # the Noto CJK fonts draw the Japanese texts.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n, fonts-noto-cjk")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
else()
  set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
