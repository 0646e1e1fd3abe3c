# cmake -DPROGRAM=... -DARGS="a;b" -DEXPECT=code -DMESSAGE=regex -P expect_exit.cmake
# Runs the program and checks its exit code and that stderr carries the message.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE code ERROR_VARIABLE err OUTPUT_QUIET TIMEOUT 60)
if(NOT code STREQUAL "${EXPECT}")
  message(FATAL_ERROR "exit code ${code}, expected ${EXPECT}; stderr: ${err}")
endif()
if(NOT err MATCHES "${MESSAGE}")
  message(FATAL_ERROR "stderr does not say '${MESSAGE}': ${err}")
endif()
