target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app_commands.cpp
)
