# Each ring sees only its own headers and those of the rings below it. Every ring's folder is
# exposed under its own name in an include root of its own (a symbolic link in the build tree),
# so `#include "platform/..."` fails to resolve when compiling the rules.
function(ylcs_layer_include_root layer out_var)
  set(root "${CMAKE_BINARY_DIR}/layers/${layer}")
  file(MAKE_DIRECTORY "${root}")
  if(NOT EXISTS "${root}/${layer}")
    file(CREATE_LINK "${CMAKE_SOURCE_DIR}/${layer}" "${root}/${layer}" SYMBOLIC)
  endif()
  set(${out_var} "${root}" PARENT_SCOPE)
endfunction()
