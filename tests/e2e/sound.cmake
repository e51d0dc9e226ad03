# The two sounds heard for real: a PulseAudio server with a null sink whose monitor is
# recorded while the splash greets and the win dialog applauds, and the silence without SOUND/.
add_executable(sound_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/sound/sound_e2e_tests.cpp)
target_link_libraries(sound_e2e_tests PRIVATE veltrane_e2e_support veltrane_shell GTest::gtest)
target_compile_definitions(sound_e2e_tests PRIVATE VELTRANE_EXECUTABLE="$<TARGET_FILE:veltrane>")
add_dependencies(sound_e2e_tests veltrane)
add_dependencies(sound_e2e_tests veltrane_files)
add_test(NAME sound_e2e_tests COMMAND sound_e2e_tests)
set_tests_properties(sound_e2e_tests PROPERTIES LABELS e2e TIMEOUT 240)
