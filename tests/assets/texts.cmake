# The two help texts: their encoding and line ends, and the About copy with the configured address.
add_executable(veltrane_texts_test text_files_test.cpp)
target_link_libraries(veltrane_texts_test PRIVATE GTest::gtest_main veltrane_config)
set_target_properties(veltrane_texts_test PROPERTIES AUTOMOC OFF)
target_compile_definitions(veltrane_texts_test PRIVATE
  VELTRANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  VELTRANE_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
  VELTRANE_CMAKE="${CMAKE_COMMAND}")
add_dependencies(veltrane_texts_test veltrane_files)
add_test(NAME assets.texts COMMAND veltrane_texts_test)
set_tests_properties(assets.texts PROPERTIES LABELS assets)
