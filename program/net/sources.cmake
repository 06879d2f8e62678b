target_sources(ylcs_program PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/update.cpp
)
