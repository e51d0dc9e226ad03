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
