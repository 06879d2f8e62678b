# The web view and the scripts it injects into the program's pages (compiled in as resources).
find_program(GLIB_COMPILE_RESOURCES glib-compile-resources REQUIRED)
set(YLCS_WEB_RESOURCES_C "${CMAKE_CURRENT_BINARY_DIR}/web_resources.c")
set(YLCS_WEB_RESOURCE_FILES
  ${CMAKE_CURRENT_LIST_DIR}/web/app_commands.js
  ${CMAKE_CURRENT_LIST_DIR}/web/picture_buttons.js
  ${CMAKE_CURRENT_LIST_DIR}/web/window_drag.js
  ${CMAKE_CURRENT_LIST_DIR}/web/no_scroll_bars.css
)
add_custom_command(
  OUTPUT "${YLCS_WEB_RESOURCES_C}"
  COMMAND "${GLIB_COMPILE_RESOURCES}" --generate-source --c-name ylcs_web --target "${YLCS_WEB_RESOURCES_C}"
          --sourcedir "${CMAKE_CURRENT_LIST_DIR}/web" "${CMAKE_CURRENT_LIST_DIR}/web/web.gresource.xml"
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/web/web.gresource.xml ${YLCS_WEB_RESOURCE_FILES}
  VERBATIM)
# Generated C: built without the project's warning flags.
add_library(ylcs_web_resources OBJECT "${YLCS_WEB_RESOURCES_C}")
target_link_libraries(ylcs_web_resources PRIVATE PkgConfig::YLCS_PLATFORM_DEPS)

target_sources(ylcs_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/colour_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_view.cpp
  $<TARGET_OBJECTS:ylcs_web_resources>
)
