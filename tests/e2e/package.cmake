# The installed game: its layout under a scratch prefix, and the Debian package installed on
# this machine, started on a real X server and removed again.

add_test(NAME package_install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/install_layout
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/package/install_layout.cmake)
set_tests_properties(package_install_layout PROPERTIES LABELS e2e)
