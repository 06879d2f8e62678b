target_sources(ylcs_program PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/dhtml_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/login_dialog.cpp
)
