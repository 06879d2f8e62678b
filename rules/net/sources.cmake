target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/http_recipe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_url.cpp
)
