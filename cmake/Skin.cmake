# The skin's pictures are painted at build time by skin/skingen.py (Python 3
# with Pillow, text in DejaVu Sans) and linked into the program as bitmap
# resources. The places it paints for come from src/skin/SkinLayout.h, which
# the program compiles.

set(LV_SKIN_DIR ${CMAKE_BINARY_DIR}/skin)
file(GLOB LV_SKIN_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skin/*.py)
add_custom_command(
  OUTPUT ${LV_SKIN_DIR}/skin.rc ${LV_SKIN_DIR}/lumivane3.ico
  COMMAND ${LV_SKIN_PYTHON} ${CMAKE_SOURCE_DIR}/skin/skingen.py ${LV_SKIN_DIR}
  DEPENDS ${LV_SKIN_SCRIPTS} ${CMAKE_SOURCE_DIR}/src/skin/SkinLayout.h
  COMMENT "Painting the skin"
  VERBATIM)
add_custom_target(lv_skin DEPENDS ${LV_SKIN_DIR}/skin.rc)

# lv_add_skin(TARGET): the skin's pictures become resources of TARGET.
function(lv_add_skin target)
  target_sources(${target} PRIVATE ${LV_SKIN_DIR}/skin.rc)
  set_source_files_properties(${LV_SKIN_DIR}/skin.rc PROPERTIES GENERATED TRUE
    OBJECT_DEPENDS ${LV_SKIN_DIR}/skin.rc)
  add_dependencies(${target} lv_skin)
endfunction()
