target_sources(ylcs_program PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/kestrun3_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcuts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uninstall.cpp
  ${CMAKE_CURRENT_LIST_DIR}/usage_report_sender.cpp
)
