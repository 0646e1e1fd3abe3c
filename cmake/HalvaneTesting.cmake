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
  # A desktop-sized virtual screen, so every window size fits on it.
  set(env "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_SOURCE_DIR}/tests/data/offscreen-desk.json")
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 600)
endfunction()

# halvane_library(NAME name DIRS dir... LIBS lib...)
# A subsystem's library from every .cpp in the given folders (relative to the
# current source folder; "." for the folder itself). A folder with no sources
# yet gives an interface library, so the layers link from the first day.
function(halvane_library)
  cmake_parse_arguments(L "NOQT" "NAME" "DIRS;LIBS" ${ARGN})
  set(sources)
  foreach(dir ${L_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${L_NAME} STATIC ${sources})
    target_include_directories(${L_NAME} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${L_NAME} PUBLIC ${L_LIBS})
    if(L_NOQT)
      set_target_properties(${L_NAME} PROPERTIES AUTOMOC OFF)
    endif()
  else()
    add_library(${L_NAME} INTERFACE)
    target_include_directories(${L_NAME} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${L_NAME} INTERFACE ${L_LIBS})
  endif()
endfunction()
