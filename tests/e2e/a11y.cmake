# The game played through the desktop's accessibility stack alone, as a screen reader plays it:
# a private session bus (dbus-run-session) that starts the accessibility bus on demand, the
# game on a virtual X server, and the test as the assistive technology.

# The real windows with a deck that is never shuffled, so the tests know how to win; the
# window-manager tests play it too, with or without the accessibility libraries.
add_executable(a11y_fixed_deal_game ${CMAKE_CURRENT_LIST_DIR}/a11y/fixed_deal_game.cpp)
target_link_libraries(a11y_fixed_deal_game PRIVATE veltrane_shell)
add_dependencies(a11y_fixed_deal_game veltrane_files)

find_package(PkgConfig REQUIRED)
pkg_check_modules(ATSPI IMPORTED_TARGET atspi-2 gobject-2.0)
find_program(DBUS_RUN_SESSION dbus-run-session)
if(NOT ATSPI_FOUND OR NOT DBUS_RUN_SESSION)
  # A build that only plays the game need not have them, but the test must not vanish from the
  # suite: it stands in CTest and fails with the reason.
  add_test(NAME a11y_e2e_tests COMMAND sh -c
    "echo 'a11y_e2e_tests needs libatspi2.0-dev and dbus-run-session: run scripts/deps test' >&2; exit 1")
  set_tests_properties(a11y_e2e_tests PROPERTIES LABELS e2e)
  return()
endif()

add_executable(a11y_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/a11y/a11y_e2e_tests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/a11y/screen_reader.cpp ${CMAKE_CURRENT_LIST_DIR}/a11y/orca.cpp)
target_link_libraries(a11y_e2e_tests PRIVATE veltrane_e2e_support veltrane_game PkgConfig::ATSPI
  GTest::gtest_main)
target_compile_definitions(a11y_e2e_tests PRIVATE
  VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>"
  VELTRANE_FIXED_DEAL_GAME="$<TARGET_FILE:a11y_fixed_deal_game>")
add_dependencies(a11y_e2e_tests veltrane a11y_fixed_deal_game)
add_test(NAME a11y_e2e_tests
  COMMAND ${VELTRANE_PRIVATE_SESSION} $<TARGET_FILE:a11y_e2e_tests>)
set_tests_properties(a11y_e2e_tests PROPERTIES LABELS e2e TIMEOUT 600
  ENVIRONMENT "PULSE_SERVER=unix:${CMAKE_CURRENT_BINARY_DIR}/no-sound-server")
