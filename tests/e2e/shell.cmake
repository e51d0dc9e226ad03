# The real program's start on a virtual X server: the splash first, ENTER HERE to the board, the
# close command, and the large-fonts refusal answered from the keyboard.
add_executable(shell_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/shell/shell_e2e_tests.cpp)
target_link_libraries(shell_e2e_tests PRIVATE veltrane_e2e_support GTest::gtest_main)
target_compile_definitions(shell_e2e_tests PRIVATE VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>")
add_dependencies(shell_e2e_tests veltrane)
add_test(NAME shell_e2e_tests COMMAND shell_e2e_tests)
# The greeting goes nowhere: its playback is proved by the sound test.
set_tests_properties(shell_e2e_tests PROPERTIES LABELS e2e TIMEOUT 180
  ENVIRONMENT "PULSE_SERVER=unix:${CMAKE_CURRENT_BINARY_DIR}/no-sound-server")

# The program as a command with no display: --version, --help, a wrong option, no display.
add_executable(command_line_tests ${CMAKE_CURRENT_LIST_DIR}/shell/command_line_tests.cpp)
target_link_libraries(command_line_tests PRIVATE Qt6::Core GTest::gtest_main)
target_compile_definitions(command_line_tests PRIVATE VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>"
                           VELTRANE_VERSION="${PROJECT_VERSION}")
add_dependencies(command_line_tests veltrane)
add_test(NAME command_line_tests COMMAND command_line_tests)
set_tests_properties(command_line_tests PROPERTIES LABELS e2e TIMEOUT 120)

# The program on Wayland compositors (weston's desktop and kiosk shells, GNOME's mutter), alone
# and beside an X server. Mutter needs a session bus, which dbus-run-session gives the test
# program and every compositor it starts.
add_executable(wayland_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/shell/wayland_e2e_tests.cpp)
target_link_libraries(wayland_e2e_tests PRIVATE veltrane_e2e_support GTest::gtest_main)
target_compile_definitions(wayland_e2e_tests PRIVATE VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>")
add_dependencies(wayland_e2e_tests veltrane)
add_test(NAME wayland_e2e_tests
  COMMAND ${VELTRANE_PRIVATE_SESSION} $<TARGET_FILE:wayland_e2e_tests>)
set_tests_properties(wayland_e2e_tests PROPERTIES LABELS e2e TIMEOUT 180)

# A session manager of the test's own, on the X session management library, saves the game's
# restart command and the game in progress, runs the command again, then discards the game.
find_package(PkgConfig REQUIRED)
pkg_check_modules(VELTRANE_SM REQUIRED IMPORTED_TARGET sm ice)
add_executable(session_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/shell/session_e2e_test.cpp)
target_link_libraries(session_e2e_tests PRIVATE veltrane_e2e_support PkgConfig::VELTRANE_SM
                                                GTest::gtest_main)
target_compile_definitions(session_e2e_tests PRIVATE
  VELTRANE_FIXED_DEAL_GAME="$<TARGET_FILE:a11y_fixed_deal_game>"
  VELTRANE_PICTURES_DIR="${CMAKE_SOURCE_DIR}/assets/pictures")
add_dependencies(session_e2e_tests a11y_fixed_deal_game)
add_test(NAME session_e2e_tests COMMAND session_e2e_tests)
set_tests_properties(session_e2e_tests PROPERTIES LABELS e2e TIMEOUT 120
  ENVIRONMENT "PULSE_SERVER=unix:${CMAKE_CURRENT_BINARY_DIR}/no-sound-server")

# The game's windows under openbox, icewm, metacity and mutter (on a session bus of the test's
# own): modal windows belong to the board and stay in reach, every window is fixed in size, and
# a forced resize leaves the game winnable.
add_executable(window_manager_e2e_tests
  ${CMAKE_CURRENT_LIST_DIR}/shell/window_manager_e2e_tests.cpp)
target_link_libraries(window_manager_e2e_tests PRIVATE veltrane_e2e_support GTest::gtest_main)
target_compile_definitions(window_manager_e2e_tests PRIVATE
                           VELTRANE_FIXED_DEAL_GAME="$<TARGET_FILE:a11y_fixed_deal_game>")
add_dependencies(window_manager_e2e_tests a11y_fixed_deal_game)
add_test(NAME window_manager_e2e_tests
  COMMAND ${VELTRANE_PRIVATE_SESSION} $<TARGET_FILE:window_manager_e2e_tests>)
set_tests_properties(window_manager_e2e_tests PROPERTIES LABELS e2e TIMEOUT 300
  ENVIRONMENT "PULSE_SERVER=unix:${CMAKE_CURRENT_BINARY_DIR}/no-sound-server")
