# The game's pictures, compiled into the program as Qt resources under :/pictures/.
# They are drawn by tools/artgen (target regenerate_pictures) and committed.
file(GLOB _veltrane_picture_files CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
  ${CMAKE_CURRENT_SOURCE_DIR}/pictures/*.png)
list(SORT _veltrane_picture_files)

# The target form of qt_add_resources registers the resources itself, so nothing is lost when
# the static library is linked into an executable. The first resource format stores no file
# dates, so the program's bytes do not depend on when the sources were checked out.
add_library(veltrane_pictures STATIC)
qt_add_resources(veltrane_pictures veltrane_pictures
  PREFIX /
  OPTIONS --format-version 1
  FILES ${_veltrane_picture_files})
target_link_libraries(veltrane_pictures PUBLIC Qt6::Core)
