target_sources(ylcs_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/crash_handler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_ops.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_config.cpp
)
