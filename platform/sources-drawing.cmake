# Drawing: skin images from the resource bundle, window shapes, text in the program's fonts.
pkg_check_modules(YLCS_DRAWING_DEPS REQUIRED IMPORTED_TARGET gdk-3.0 gdk-pixbuf-2.0 pangocairo)
target_link_libraries(ylcs_platform PUBLIC PkgConfig::YLCS_DRAWING_DEPS)
include("${CMAKE_SOURCE_DIR}/res/resources.cmake")
target_sources(ylcs_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/skin_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_shape.cpp
)
