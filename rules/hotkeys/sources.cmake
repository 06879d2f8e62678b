target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/virtual_keys.cpp
)
