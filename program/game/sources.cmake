target_sources(ylcs_program PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/add_account_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cache_cleanup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_frame.cpp
)
