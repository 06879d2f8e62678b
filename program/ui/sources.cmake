target_sources(ylcs_program PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolkit.cpp
)
