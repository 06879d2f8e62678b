# Warnings and sanitizers shared by every target of the project.
add_library(ylcs_build_flags INTERFACE)
target_compile_options(ylcs_build_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)
if(YLCS_WERROR)
  target_compile_options(ylcs_build_flags INTERFACE -Werror)
endif()
if(YLCS_SANITIZE)
  target_compile_options(ylcs_build_flags INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(ylcs_build_flags INTERFACE -fsanitize=address,undefined)
endif()
