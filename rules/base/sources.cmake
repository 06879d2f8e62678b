target_sources(ylcs_rules PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/crt_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_buffer.cpp
)
