# The two sound effects: their format, the generator that reproduces them, their copies in bin.
add_executable(veltrane_sounds_test sound_files_test.cpp)
target_link_libraries(veltrane_sounds_test PRIVATE GTest::gtest_main)
set_target_properties(veltrane_sounds_test PROPERTIES AUTOMOC OFF)
target_compile_definitions(veltrane_sounds_test PRIVATE
  VELTRANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  VELTRANE_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
  VELTRANE_SOUNDGEN="$<TARGET_FILE:soundgen>")
add_dependencies(veltrane_sounds_test soundgen veltrane_files)
add_test(NAME assets.sounds COMMAND veltrane_sounds_test)
set_tests_properties(assets.sounds PROPERTIES LABELS assets)
