# Installation layout and the Debian package.
#
#   <prefix>/lib/veltrane/veltrane      the game, with rules.txt, orvik.txt, SOUND/ and the sound
#                                       player veltrane-sound.so beside it
#   <prefix>/bin/veltrane               a link to it; the game finds its files beside the real file
#   <prefix>/share/applications/        the desktop entry
#   <prefix>/share/icons/hicolor/       the red diamond in every size drawn
#   <prefix>/share/metainfo/            the software-centre description
#
# `cpack` in the build folder makes veltrane_<version>_<arch>.deb with its dependencies read
# from the installed binary.

set(VELTRANE_INSTALL_DIR lib/veltrane)

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
install(FILES ${CMAKE_BINARY_DIR}/bin/SOUND/34.WAV ${CMAKE_BINARY_DIR}/bin/SOUND/APPLAUS.WAV
        DESTINATION ${VELTRANE_INSTALL_DIR}/SOUND)

# A relative link, so the installed tree can be moved or unpacked under any root.
file(CREATE_LINK ../${VELTRANE_INSTALL_DIR}/veltrane ${CMAKE_BINARY_DIR}/packaging/veltrane
     SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/veltrane DESTINATION bin)

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
set(CPACK_PACKAGE_CONTACT "Orvik <veltrane@${_veltrane_host}>")
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
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
