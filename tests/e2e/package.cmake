# The installed game: its layout under a scratch prefix, and the Debian package installed on
# this machine, started on a real X server and removed again.

add_test(NAME package_install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/install_layout
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/package/install_layout.cmake)
set_tests_properties(package_install_layout PROPERTIES LABELS e2e)

# The game alone configures without the test and benchmark libraries.
add_test(NAME package_configure_for_play
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/configure_for_play
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/package/configure_for_play.cmake)
set_tests_properties(package_configure_for_play PROPERTIES LABELS e2e TIMEOUT 120)

# The package is made by cpack from the finished build, once per test run, before the test
# that installs it.
add_test(NAME package_deb COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(package_deb PROPERTIES LABELS e2e FIXTURES_SETUP veltrane_deb TIMEOUT 300)

# Debian's checker: no error and no warning.
add_test(NAME package_lintian
         COMMAND ${CMAKE_COMMAND} -DPACKAGE_DIR=${CMAKE_BINARY_DIR}/packages -DVERSION=${PROJECT_VERSION}
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/package/lintian.cmake)
set_tests_properties(package_lintian PROPERTIES LABELS e2e FIXTURES_REQUIRED veltrane_deb TIMEOUT 300)

add_executable(package_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/package/package_e2e_test.cpp)
target_link_libraries(package_e2e_tests PRIVATE veltrane_e2e_support veltrane_help Qt6::Gui
                                                Qt6::Test GTest::gtest_main)
target_compile_definitions(package_e2e_tests PRIVATE VELTRANE_VERSION="${PROJECT_VERSION}"
                           VELTRANE_PACKAGE_DIR="${CMAKE_BINARY_DIR}/packages")
add_test(NAME package_e2e_tests COMMAND package_e2e_tests)
# Only one test at a time may install packages on this machine.
set_tests_properties(package_e2e_tests PROPERTIES LABELS e2e FIXTURES_REQUIRED veltrane_deb
                     RESOURCE_LOCK dpkg TIMEOUT 300)
