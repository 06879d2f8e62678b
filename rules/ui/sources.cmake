target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/skin_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/widget_geometry.cpp
)
