target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/game_tabs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tab_strip.cpp
)
