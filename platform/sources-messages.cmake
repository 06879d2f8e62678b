target_sources(ylcs_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/embedding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_messages.cpp
)
