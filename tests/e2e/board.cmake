# The real program on a virtual X server: the board appears, measures right, deals by keyboard
# and frames a clicked card.
add_executable(board_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/board/board_e2e_tests.cpp)
target_link_libraries(board_e2e_tests PRIVATE veltrane_e2e_support GTest::gtest_main
  veltrane_picture_compare)
target_compile_definitions(board_e2e_tests PRIVATE
  VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>"
  VELTRANE_PICTURES_DIR="${CMAKE_SOURCE_DIR}/assets/pictures")
add_dependencies(board_e2e_tests veltrane)
add_test(NAME board_e2e_tests COMMAND board_e2e_tests)
set_tests_properties(board_e2e_tests PROPERTIES LABELS e2e TIMEOUT 180)
