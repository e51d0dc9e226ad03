# The configure scripts/play runs: with the tests and benchmarks off, a fresh folder configures
# with GoogleTest, GoogleMock and the benchmark library out of reach, and builds the game and
# nothing of the tests.
#   cmake -DSOURCE_DIR=<sources> -DWORK=<scratch folder> -P configure_for_play.cmake
file(REMOVE_RECURSE "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK}" -G Ninja -DVELTRANE_TESTS=OFF
          -DVELTRANE_BENCH=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON
          -DCMAKE_DISABLE_FIND_PACKAGE_GMock=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
  RESULT_VARIABLE _status OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "The game's configure needs a test library:\n${_out}\n${_err}")
endif()
file(READ "${WORK}/build.ninja" _ninja)
if(NOT _ninja MATCHES "\nbuild bin/veltrane:")
  message(FATAL_ERROR "The game's configure has no target for the game")
endif()
foreach(_test_only gtest gmock benchmark xcb-damage bin/command_line_tests)
  string(FIND "${_ninja}" "${_test_only}" _at)
  if(NOT _at EQUAL -1)
    message(FATAL_ERROR "The game's build uses ${_test_only}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
