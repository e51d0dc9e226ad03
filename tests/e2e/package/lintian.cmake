# Runs Debian's own checker on the package that cpack made and fails on any error or warning;
# the informational notes are left to the packager.
#
#     cmake -DPACKAGE_DIR=<build>/packages -DVERSION=<version> -P lintian.cmake

foreach(var PACKAGE_DIR VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "lintian.cmake: ${var} is not set")
  endif()
endforeach()

file(GLOB debs ${PACKAGE_DIR}/veltrane_${VERSION}_*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one veltrane_${VERSION}_<arch>.deb in ${PACKAGE_DIR}, found ${count}")
endif()

find_program(LINTIAN lintian REQUIRED)
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" findings "${out}")
if(NOT rc EQUAL 0 OR findings)
  message(FATAL_ERROR "lintian finds fault with ${debs} (status ${rc}):\n${out}${err}")
endif()
message(STATUS "lintian: no error and no warning for ${debs}")
