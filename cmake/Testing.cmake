# add_unit_test(name SOURCES ... LIBS ...): a GoogleTest binary that needs no display.
function(add_unit_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS unit)
endfunction()

# Presses keys on other programs' windows; without it the tests of the real programs
# under an X display lacking OpenGL are not registered.
find_program(XDOTOOL xdotool)

# add_window_test(name SOURCES ... LIBS ...): a GoogleTest binary that opens real
# windows; it needs an X display (the test command provides Xvfb) and runs serially
# so two GL windows never fight over the one software renderer's time.
function(add_window_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/testing/window_test_main.cpp)
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Widgets Qt6::Test GTest::gtest)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS window RUN_SERIAL TRUE)
endfunction()
