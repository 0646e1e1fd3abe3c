# The language pictures "Cap", "Elite", "Net__" + language code and the big
# flags "FlagO" + code, PNG resources of type RCDATA.
set(language_art_dir ${HALVANE_GENERATED_DIR}/RCDATA)
set(language_art_files)
foreach(code Eng Rus Deu Fra Spa Chi Ita Cze)
  list(APPEND language_art_files ${language_art_dir}/Cap${code}.png ${language_art_dir}/Elite${code}.png
    ${language_art_dir}/Net__${code}.png)
endforeach()
foreach(code Eng Rus Deu Fra Spa Chi Ita Cze Jap Kor)
  list(APPEND language_art_files ${language_art_dir}/FlagO${code}.png)
endforeach()
add_custom_command(OUTPUT ${language_art_files}
  COMMAND $<TARGET_FILE:halvane_language_art> ${language_art_dir}
  DEPENDS halvane_language_art
  COMMENT "Language pictures"
  VERBATIM)
qt_add_resources(halvane_resources "halvane_language_art"
  PREFIX /halvane
  BASE ${HALVANE_GENERATED_DIR}
  FILES ${language_art_files})
