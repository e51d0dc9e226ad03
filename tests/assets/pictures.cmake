# The pictures' tests: the committed set is complete, well formed, and what the generator draws.
add_executable(assets_pictures_test pictures_test.cpp)
target_link_libraries(assets_pictures_test PRIVATE veltrane_pictures Qt6::Gui GTest::gtest
  veltrane_picture_compare)
target_compile_definitions(assets_pictures_test PRIVATE
  VELTRANE_ARTGEN="$<TARGET_FILE:veltrane-artgen>"
  VELTRANE_ASSETS_DIR="${CMAKE_SOURCE_DIR}/assets"
  VELTRANE_TRANSLATIONS_DIR="${CMAKE_SOURCE_DIR}/translations")
add_dependencies(assets_pictures_test veltrane-artgen)
add_test(NAME assets.pictures COMMAND assets_pictures_test)
set_tests_properties(assets.pictures PROPERTIES
  LABELS assets
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
