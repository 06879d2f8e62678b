target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/launch_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_days.cpp
  ${CMAKE_CURRENT_LIST_DIR}/usage_reports.cpp
)
