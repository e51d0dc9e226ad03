# Installs the build into a scratch prefix and checks the layout a desktop expects of it: the
# game with its files beside it, the link in games, the licence, changelog and manual page, the
# desktop entry, the icons and the metainfo, each accepted by the desktop's own validators.
#
#     cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DWORK=<scratch folder> -P install_layout.cmake

foreach(var BUILD_DIR SOURCE_DIR WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "install_layout.cmake: ${var} is not set")
  endif()
endforeach()

set(failures)
# check(<message> <condition>...): records the message when the condition does not hold.
macro(check message)
  if(NOT (${ARGN}))
    list(APPEND failures "${message}")
  endif()
endmacro()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed (${rc}):\n${out}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/usr)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(game ${prefix}/lib/games/veltrane)
foreach(file veltrane veltrane-sound.so rules.txt orvik.txt SOUND/34.WAV SOUND/APPLAUS.WAV)
  check("${game}/${file} is missing" EXISTS ${game}/${file})
endforeach()
check("games/veltrane is not a link" IS_SYMLINK ${prefix}/games/veltrane)
file(READ_SYMLINK ${prefix}/games/veltrane target)
check("games/veltrane points to ${target}" target STREQUAL "../lib/games/veltrane/veltrane")
file(REAL_PATH ${prefix}/games/veltrane resolved)
file(REAL_PATH ${game}/veltrane real_game)
check("games/veltrane resolves to ${resolved}" resolved STREQUAL real_game)

# The licence, the changelog and the manual page where Debian looks for them.
foreach(file share/doc/veltrane/copyright share/doc/veltrane/changelog.gz
             share/man/man6/veltrane.6.gz)
  check("${file} is missing" EXISTS ${prefix}/${file})
endforeach()
if(EXISTS ${prefix}/share/doc/veltrane/copyright)
  file(STRINGS ${prefix}/share/doc/veltrane/copyright format LIMIT_COUNT 1)
  check("the copyright file is not machine-readable: ${format}"
        format STREQUAL "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
endif()

# The help texts are installed as committed bytes: CR LF and Windows-1252 survive.
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/assets/rules.txt
                        ${game}/rules.txt RESULT_VARIABLE differs)
check("the installed rules.txt differs from assets/rules.txt" differs EQUAL 0)

# Each language's translation and help texts beside the game, the rules as committed bytes.
include(${SOURCE_DIR}/translations/languages.cmake)
foreach(language IN LISTS VELTRANE_LANGUAGES)
  foreach(file translations/veltrane_${language}.qm ${language}/rules.txt ${language}/orvik.txt)
    check("${game}/${file} is missing" EXISTS ${game}/${file})
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          ${SOURCE_DIR}/assets/${language}/rules.txt ${game}/${language}/rules.txt
                  RESULT_VARIABLE differs)
  check("the installed ${language}/rules.txt differs from its source" differs EQUAL 0)
endforeach()

# Every icon at its own size, under the name the desktop entry asks for.
foreach(size 32 48 64 128 256)
  set(icon ${prefix}/share/icons/hicolor/${size}x${size}/apps/veltrane.png)
  if(NOT EXISTS ${icon})
    list(APPEND failures "the ${size}x${size} icon is missing")
    continue()
  endif()
  file(READ ${icon} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  check("the ${size}x${size} icon measures ${width}x${height}"
        width EQUAL ${size} AND height EQUAL ${size})
endforeach()

set(desktop ${prefix}/share/applications/veltrane.desktop)
run(desktop-file-validate ${desktop})
file(STRINGS ${desktop} exec REGEX "^Exec=")
check("the desktop entry runs ${exec}" exec STREQUAL "Exec=veltrane")
file(STRINGS ${desktop} icon REGEX "^Icon=")
check("the desktop entry shows ${icon}" icon STREQUAL "Icon=veltrane")

file(GLOB metainfo ${prefix}/share/metainfo/*.metainfo.xml)
list(LENGTH metainfo count)
check("expected one metainfo file, found ${count}" count EQUAL 1)
if(count EQUAL 1)
  run(appstreamcli validate --no-net ${metainfo})
  file(READ ${metainfo} xml)
  get_filename_component(name ${metainfo} NAME)
  string(REGEX MATCH "<id>([^<]+)</id>" _ "${xml}")
  check("${name} does not carry its id" name STREQUAL "${CMAKE_MATCH_1}.metainfo.xml")
  string(REGEX MATCH "<launchable type=.desktop-id.>([^<]+)</launchable>" _ "${xml}")
  check("the metainfo launches ${CMAKE_MATCH_1}" CMAKE_MATCH_1 STREQUAL "veltrane.desktop")
  string(REGEX MATCH "<image type=.source.>([^<]+)</image>" _ "${xml}")
  check("the metainfo screenshot is at ${CMAKE_MATCH_1}" CMAKE_MATCH_1 MATCHES "^https://")
endif()

file(REMOVE_RECURSE ${WORK})
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Installed layout:\n  ${text}")
endif()
