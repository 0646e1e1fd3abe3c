# halvane_add_test(NAME name SOURCES a.cpp... LIBS lib... [GUI])
# Every test is a QtTest executable registered with CTest. GUI tests run on the
# offscreen platform so they need no display.
function(halvane_add_test)
  cmake_parse_arguments(T "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    HALVANE_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
    HALVANE_PROGRAM_DIR="${HALVANE_PROGRAM_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(env "QT_QPA_PLATFORM=offscreen")
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()
