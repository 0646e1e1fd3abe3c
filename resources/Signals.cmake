# The signal sounds: synthesised by tools/sounds, then stored by sox in the
# formats the game's sound layer plays (PCM 8-bit, Microsoft ADPCM 4-bit).
find_program(SOX_EXECUTABLE sox REQUIRED)
set(signal_dir ${HALVANE_GENERATED_DIR}/WAVE)
file(MAKE_DIRECTORY ${signal_dir})
# name rate channels encoding
set(halvane_signals
  "WOpenFo 22050 1 u8"
  "WTasoKo 22050 1 adpcm"
  "WDing_1 22050 1 u8"
  "WPlMore 11000 1 u8"
  "WHodsDo 22050 1 u8"
  "WSays40 44100 1 adpcm"
  "WWrongs 11000 1 u8"
  "WKoGutX 22050 1 adpcm"
  "WKoBadX 22050 1 adpcm"
  "WKoGood 44100 2 adpcm"
  "WKoBads 44100 2 adpcm"
  "WFiBest 44100 2 adpcm"
  "WFiGood 44100 2 adpcm"
  "WFiBads 44100 1 adpcm"
  "WToMenK 22000 1 u8"
  "STimerA 7000 1 u8"
  "STimerB 22050 1 u8")
set(signal_files)
foreach(entry ${halvane_signals})
  separate_arguments(fields UNIX_COMMAND "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 rate)
  list(GET fields 2 channels)
  list(GET fields 3 encoding)
  if(encoding STREQUAL "u8")
    set(sox_format -e unsigned-integer -b 8)
  else()
    set(sox_format -e ms-adpcm)
  endif()
  set(raw ${CMAKE_CURRENT_BINARY_DIR}/signals/${name}.pcm16.wav)
  set(out ${signal_dir}/${name}.wav)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/signals
    COMMAND $<TARGET_FILE:halvane_signal_synth> ${name} ${rate} ${channels} ${raw}
    COMMAND ${SOX_EXECUTABLE} -D ${raw} ${sox_format} ${out}
    DEPENDS halvane_signal_synth
    COMMENT "Signal sound ${name}"
    VERBATIM)
  list(APPEND signal_files ${out})
endforeach()
qt_add_resources(halvane_resources "halvane_signals"
  PREFIX /halvane
  BASE ${HALVANE_GENERATED_DIR}
  FILES ${signal_files})
