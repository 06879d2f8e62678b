# The artwork compiled into the program as a GResource bundle, and the generator that draws it.
set(YLCS_RES_DIR "${CMAKE_SOURCE_DIR}/res")
set(YLCS_SKIN_IDS 129 131 132 133 134 135 136 137 138 139 140 141 142 143 144 145 146 147 148 149 150 151 152 153 162)
set(YLCS_ICON_SIZES 16 22 24 32 48 64 128 256)

set(resource_files "")
set(resource_entries "")
foreach(id IN LISTS YLCS_SKIN_IDS)
  list(APPEND resource_files "${YLCS_RES_DIR}/skin/${id}.png")
  string(APPEND resource_entries "    <file>skin/${id}.png</file>\n")
endforeach()
foreach(size IN LISTS YLCS_ICON_SIZES)
  list(APPEND resource_files "${YLCS_RES_DIR}/icons/ylcskelvo-${size}.png")
  string(APPEND resource_entries "    <file>icons/ylcskelvo-${size}.png</file>\n")
endforeach()

set(gresource_xml "${CMAKE_BINARY_DIR}/generated/res/ylcskelvo.gresource.xml")
file(CONFIGURE OUTPUT "${gresource_xml}" CONTENT
"<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<gresources>
  <gresource prefix=\"/ylcskelvo\">
${resource_entries}  </gresource>
</gresources>
")

find_program(GLIB_COMPILE_RESOURCES glib-compile-resources REQUIRED)
set(resource_source "${CMAKE_BINARY_DIR}/generated/res/ylcskelvo_resources.c")
add_custom_command(
  OUTPUT "${resource_source}"
  COMMAND "${GLIB_COMPILE_RESOURCES}" --sourcedir "${YLCS_RES_DIR}" --generate-source
          --c-name ylcs_artwork --manual-register --target "${resource_source}" "${gresource_xml}"
  DEPENDS "${gresource_xml}" ${resource_files}
  COMMENT "Compiling the artwork into a resource bundle")
# Generated C code, built apart from the project's C++ warning set.
add_library(ylcs_artwork_bundle OBJECT "${resource_source}")
target_link_libraries(ylcs_artwork_bundle PRIVATE PkgConfig::YLCS_PLATFORM_DEPS)
target_sources(ylcs_platform PRIVATE $<TARGET_OBJECTS:ylcs_artwork_bundle>)

# The generator of the artwork: `cmake --build <dir> --target remake_artwork` draws every picture
# again into res/.
add_executable(ylcs_artwork EXCLUDE_FROM_ALL "${YLCS_RES_DIR}/artwork/generate_artwork.cpp")
target_link_libraries(ylcs_artwork PRIVATE PkgConfig::YLCS_DRAWING_DEPS ylcs_build_flags)
add_custom_target(remake_artwork
  COMMAND ylcs_artwork "${YLCS_RES_DIR}/skin" "${YLCS_RES_DIR}/icons"
  COMMENT "Drawing the artwork into res/")
