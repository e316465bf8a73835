# quorvex_add_test(<name> SOURCES <files...> [LIBRARIES <libs...>] [TIMEOUT <s>] [GUI]
#                  [MAIN <library>])
#
# Builds one GoogleTest program into the tests folder (beside the fake encoder)
# and registers it with CTest, which runs it through Wine. A GUI test holds the
# display lock so that no two programs fight over focus, pointer or pixels.
# MAIN names the library that holds main() (GoogleTest's own by default;
# quorvex_gui_test_main makes the program's windows unmanaged).
function(quorvex_add_test name)
  cmake_parse_arguments(T "GUI" "TIMEOUT;MAIN" "SOURCES;LIBRARIES" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_MAIN)
    set(T_MAIN gtest_main)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_MAIN} gmock ${T_LIBRARIES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORVEX_TEST_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wineprefix
    TIMEOUT ${T_TIMEOUT}
    WORKING_DIRECTORY ${QUORVEX_TEST_DIR})
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()
