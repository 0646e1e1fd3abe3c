# The pictures the executable carries: built-in card set, backs, background,
# table decor, menu pictures and cursors, drawn at build time by halvane_art
# and compiled in by rcc. The collection file lists what the tool wrote.
set(HALVANE_ART_QRC ${CMAKE_CURRENT_BINARY_DIR}/halvane_pictures.qrc)
set(HALVANE_ART_CPP ${CMAKE_CURRENT_BINARY_DIR}/qrc_halvane_pictures.cpp)
add_custom_command(
  OUTPUT ${HALVANE_ART_CPP}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:halvane_art> ${HALVANE_GENERATED_DIR} ${HALVANE_ART_QRC}
  COMMAND Qt6::rcc --name halvane_pictures --output ${HALVANE_ART_CPP} ${HALVANE_ART_QRC}
  DEPENDS halvane_art
  COMMENT "Drawing the executable's pictures"
  VERBATIM)
add_library(halvane_pictures OBJECT ${HALVANE_ART_CPP})
set_target_properties(halvane_pictures PROPERTIES AUTOMOC OFF)
target_link_libraries(halvane_pictures PRIVATE Qt6::Core)
target_sources(halvane_resources INTERFACE $<TARGET_OBJECTS:halvane_pictures>)
add_dependencies(halvane_resources halvane_pictures)
