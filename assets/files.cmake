# The files the game reads beside its executable: the two sounds in SOUND/, the two help
# texts, and their translations in a folder per language (de/rules.txt, de/orvik.txt, …). `veltrane_files` copies them into ${CMAKE_BINARY_DIR}/bin and copies again whenever a
# committed file changes.
#
# The About text carries the maker's web address. The committed orvik.txt holds the default
# address; the copy in bin holds the configured one, with every other byte (CR LF included) as
# committed. The same file does that copy when run as a script:
#
#     cmake -DSOURCE=<orvik.txt> -DDEST=<copy> -DADDRESS=<web address> -P files.cmake

include(${CMAKE_CURRENT_LIST_DIR}/../config/web_address.cmake)

if(CMAKE_SCRIPT_MODE_FILE)
  foreach(var SOURCE DEST ADDRESS)
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "files.cmake: ${var} is not set")
    endif()
  endforeach()
  # The About text is Windows-1252 and the address is shown as stored: plain printable ASCII only.
  if(NOT ADDRESS MATCHES "^[!-~]+$")
    message(FATAL_ERROR "The web address \"${ADDRESS}\" must be printable ASCII without spaces")
  endif()
  # CMake reads text with its CRs dropped, so the bytes go through hex, one "xx " token each,
  # which also keeps the search for the address on byte boundaries.
  file(READ "${SOURCE}" _hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " _hex "${_hex}")
  foreach(address DEFAULT NEW)
    if(address STREQUAL "DEFAULT")
      set(_chars "${VELTRANE_DEFAULT_WEB_ADDRESS}")
    else()
      set(_chars "${ADDRESS}")
    endif()
    string(HEX "${_chars}" _chars)
    string(REGEX REPLACE "(..)" "\\1 " _address_${address} "${_chars}")
  endforeach()
  string(FIND "${_hex}" "${_address_DEFAULT}" _at)
  if(_at EQUAL -1)
    message(FATAL_ERROR "${SOURCE} does not contain ${VELTRANE_DEFAULT_WEB_ADDRESS}")
  endif()
  string(REPLACE "${_address_DEFAULT}" "${_address_NEW}" _hex "${_hex}")
  string(STRIP "${_hex}" _hex)
  string(REPLACE " " ";" _hex "${_hex}")
  set(_codes)
  foreach(byte IN LISTS _hex)
    math(EXPR _code "0x${byte}")
    list(APPEND _codes ${_code})
  endforeach()
  string(ASCII ${_codes} _text)
  get_filename_component(_folder "${DEST}" DIRECTORY)
  file(MAKE_DIRECTORY "${_folder}")
  file(WRITE "${DEST}.part" "${_text}")
  file(RENAME "${DEST}.part" "${DEST}")
  return()
endif()

set(_veltrane_bin ${CMAKE_BINARY_DIR}/bin)
set(_veltrane_files)
include(${CMAKE_SOURCE_DIR}/translations/languages.cmake)
set(_veltrane_rules rules.txt)
set(_veltrane_abouts orvik.txt)
foreach(language IN LISTS VELTRANE_LANGUAGES)
  list(APPEND _veltrane_rules ${language}/rules.txt)
  list(APPEND _veltrane_abouts ${language}/orvik.txt)
endforeach()
foreach(file SOUND/34.WAV SOUND/APPLAUS.WAV ${_veltrane_rules})
  get_filename_component(_folder ${_veltrane_bin}/${file} DIRECTORY)
  add_custom_command(
    OUTPUT ${_veltrane_bin}/${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${_veltrane_bin}/${file}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
    COMMENT "Copying ${file} beside the executables"
    VERBATIM)
  list(APPEND _veltrane_files ${_veltrane_bin}/${file})
endforeach()

# The address is on the command line, so a newly configured address re-runs the copy.
foreach(file IN LISTS _veltrane_abouts)
  add_custom_command(
    OUTPUT ${_veltrane_bin}/${file}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_SOURCE_DIR}/${file}
            -DDEST=${_veltrane_bin}/${file} -DADDRESS=${VELTRANE_WEB_ADDRESS}
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${CMAKE_CURRENT_LIST_FILE}
            ${CMAKE_SOURCE_DIR}/config/web_address.cmake
    COMMENT "Writing ${file} with the web address ${VELTRANE_WEB_ADDRESS}"
    VERBATIM)
  list(APPEND _veltrane_files ${_veltrane_bin}/${file})
endforeach()

add_custom_target(veltrane_files ALL DEPENDS ${_veltrane_files})
