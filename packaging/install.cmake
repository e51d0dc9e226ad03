# Installation layout and the Debian package, in the layout Debian gives games:
#
#   <prefix>/games/veltrane             a link to the game, which finds its files beside the
#                                       real file
#   <prefix>/lib/games/veltrane/        the game, with rules.txt, orvik.txt, SOUND/ and the
#                                       sound player veltrane-sound.so beside it, the
#                                       translations in translations/veltrane_<language>.qm and
#                                       the translated help texts in <language>/
#   <prefix>/share/applications/        the desktop entry
#   <prefix>/share/icons/hicolor/       the red diamond in every size drawn
#   <prefix>/share/metainfo/            the software-centre description
#   <prefix>/share/man/man6/            the manual page
#   <prefix>/share/doc/veltrane/        copyright and changelog.gz
#
# The game and its files share one folder because the program reads them from its own folder;
# holding a program and a private module, that folder is architecture-dependent, so it lies
# under lib/games, not share/games. A user's prefix whose games folder is not on PATH may set
# -DVELTRANE_INSTALL_BINDIR=bin.
#
# `cpack` in the build folder makes veltrane_<version>_<arch>.deb with its dependencies read
# from the installed binary. The same commit gives the same package, byte for byte, in any
# folder and at any time (scripts/reproducible checks it): no build path in the binaries, and the
# file dates of the last commit.

set(VELTRANE_INSTALL_BINDIR games CACHE STRING "Where the link that starts the game is installed")
set(VELTRANE_INSTALL_DIR lib/games/veltrane CACHE STRING "Where the game and its files are installed")

# The software-centre id is the maker's web host reversed, so that a packager who configures
# another address gets an id of their own.
string(REGEX REPLACE "^[a-zA-Z]+://([^/:]+).*$" "\\1" _veltrane_host "${VELTRANE_WEB_ADDRESS}")
string(REPLACE "." ";" _veltrane_host_parts "${_veltrane_host}")
list(REVERSE _veltrane_host_parts)
list(JOIN _veltrane_host_parts "." _veltrane_reversed_host)
set(VELTRANE_APP_ID "${_veltrane_reversed_host}.veltrane")
set(_veltrane_site "${VELTRANE_WEB_ADDRESS}")
if(NOT _veltrane_site MATCHES "/$")
  string(APPEND _veltrane_site "/")
endif()
set(VELTRANE_SCREENSHOT_URL "${_veltrane_site}veltrane/screenshot.png")

configure_file(${CMAKE_CURRENT_LIST_DIR}/veltrane.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${VELTRANE_APP_ID}.metainfo.xml @ONLY)

install(TARGETS veltrane RUNTIME DESTINATION ${VELTRANE_INSTALL_DIR})
# The sound player lies beside the game, which loads it when the first sound plays.
install(TARGETS veltrane_sound_player LIBRARY DESTINATION ${VELTRANE_INSTALL_DIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/rules.txt ${CMAKE_BINARY_DIR}/bin/orvik.txt
        DESTINATION ${VELTRANE_INSTALL_DIR})
include(${CMAKE_SOURCE_DIR}/translations/languages.cmake)
foreach(language IN LISTS VELTRANE_LANGUAGES)
  install(FILES ${CMAKE_BINARY_DIR}/bin/${language}/rules.txt
                ${CMAKE_BINARY_DIR}/bin/${language}/orvik.txt
          DESTINATION ${VELTRANE_INSTALL_DIR}/${language})
endforeach()
install(FILES ${VELTRANE_QM_FILES} DESTINATION ${VELTRANE_INSTALL_DIR}/translations)
install(FILES ${CMAKE_BINARY_DIR}/bin/SOUND/34.WAV ${CMAKE_BINARY_DIR}/bin/SOUND/APPLAUS.WAV
        DESTINATION ${VELTRANE_INSTALL_DIR}/SOUND)

# A relative link, so the installed tree can be moved or unpacked under any root.
file(RELATIVE_PATH _veltrane_link_target /${VELTRANE_INSTALL_BINDIR}
     /${VELTRANE_INSTALL_DIR}/veltrane)
file(CREATE_LINK ${_veltrane_link_target} ${CMAKE_BINARY_DIR}/packaging/veltrane SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/veltrane DESTINATION ${VELTRANE_INSTALL_BINDIR})

# The licence, the changelog and the manual page, as Debian wants them: the changelog and the
# page compressed to the full, with no name or time in the gzip header.
set(VELTRANE_CONTACT "Orvik <veltrane@${_veltrane_host}>")
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog.in _veltrane_changelog_top LIMIT_COUNT 1)
if(NOT _veltrane_changelog_top MATCHES "^veltrane \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog.in does not begin with an entry for "
                      "${PROJECT_VERSION}: ${_veltrane_changelog_top}")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${CMAKE_BINARY_DIR}/packaging/copyright @ONLY)
foreach(_veltrane_doc changelog veltrane.6)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${_veltrane_doc}.in
                 ${CMAKE_BINARY_DIR}/packaging/${_veltrane_doc} @ONLY)
  execute_process(COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/packaging/${_veltrane_doc}
                  OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/${_veltrane_doc}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION share/doc/veltrane)
install(FILES ${CMAKE_BINARY_DIR}/packaging/veltrane.6.gz DESTINATION share/man/man6)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/veltrane.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${VELTRANE_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)
foreach(size 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/pictures/icon_${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME veltrane.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "patience card game of four corners")
set(CPACK_PACKAGE_CONTACT "${VELTRANE_CONTACT}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELTRANE_WEB_ADDRESS}")
# dpkg shows the summary as the first line and this text, indented, below it.
set(CPACK_PACKAGE_DESCRIPTION
    "Veltrane Solitaire is a single-player patience with one deck of 52 cards.\n\
A foundation lies in each corner of the board, surrounded by four slots of\n\
its own suit. Turn the stock, park cards in the slots of their suit and\n\
build every foundation up from the ace to the king.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window systems' plug-ins, which the binary loads rather than links: X, where the game
# places its windows, and Wayland, for a session with no X server.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland")
# The desktop's opener, which the About page's link hands its address to; without it the link
# says that it cannot reach a browser.
# Qt's own words in the player's language (the message box's OK); the game's own translations
# are in the package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
configure_file(${CMAKE_CURRENT_LIST_DIR}/cpack_project.cmake.in
               ${CMAKE_BINARY_DIR}/packaging/cpack_project.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack_project.cmake)
include(CPack)
