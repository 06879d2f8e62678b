target_sources(ylcs_program PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/btn_ex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dlg_ex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/img_progress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/static_ex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolkit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tooltip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wnd.cpp
)
