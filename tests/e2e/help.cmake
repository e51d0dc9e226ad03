# The real program on a virtual X server: the Help window opened from the board's menu by
# keyboard, its size and the picture of each page, and the About page's link handed to the
# user's browser through the desktop's opener, or the link's message when it cannot be.
add_executable(help_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/help/help_e2e_tests.cpp)
target_link_libraries(help_e2e_tests PRIVATE veltrane_e2e_support veltrane_config GTest::gtest_main)
target_compile_definitions(help_e2e_tests PRIVATE VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>"
  VELTRANE_PICTURES_DIR="${CMAKE_SOURCE_DIR}/assets/pictures")
add_dependencies(help_e2e_tests veltrane)
add_test(NAME help_e2e_tests COMMAND help_e2e_tests)
set_tests_properties(help_e2e_tests PROPERTIES LABELS e2e TIMEOUT 180)
