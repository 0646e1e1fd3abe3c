# Writes the resource script of the voice pack: one RCDATA entry per line.
file(GLOB lines ${VOICE_DIR}/*Voice*.wav)
list(SORT lines)
set(script "")
foreach(line ${lines})
  get_filename_component(name ${line} NAME_WE)
  string(APPEND script "${name} RCDATA \"${line}\"\n")
endforeach()
file(WRITE ${RC} "${script}")
