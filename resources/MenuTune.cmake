# The menu tune "MenuTune", a MIDI resource of the executable.
set(tune_file ${HALVANE_GENERATED_DIR}/MIDI/MenuTune.mid)
add_custom_command(OUTPUT ${tune_file}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${HALVANE_GENERATED_DIR}/MIDI
  COMMAND $<TARGET_FILE:halvane_menu_tune> ${tune_file}
  DEPENDS halvane_menu_tune
  COMMENT "Menu tune"
  VERBATIM)
qt_add_resources(halvane_resources "halvane_tune"
  PREFIX /halvane
  BASE ${HALVANE_GENERATED_DIR}
  FILES ${tune_file})
