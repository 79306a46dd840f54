# zorvi_add_test(NAME name SOURCES ... LIBS ... [LABELS label] [DISPLAY [WM]] [TIMEOUT s] [ENV VAR=value ...])
#   Builds a GoogleTest executable and registers every test case with CTest.
#   Tests run with the offscreen Qt platform unless DISPLAY is given, in which
#   case they run inside a private Xvfb started by tests/with-xvfb.sh; WM adds
#   the openbox window manager with screen margins (tests/with-openbox.sh).
include(GoogleTest)

function(zorvi_add_test)
  cmake_parse_arguments(T "DISPLAY;WM" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_options(${T_NAME} PRIVATE -include ${CMAKE_SOURCE_DIR}/tests/support/TestPrelude.h)
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  # One label per test (a list would not survive test discovery either):
  # the given one, else "display" or "unit".
  set(labels unit)
  if(T_DISPLAY)
    set(labels display)
  endif()
  if(T_LABELS)
    list(GET T_LABELS 0 labels)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  # The environment travels through the test launcher: a list-valued
  # ENVIRONMENT property does not survive test discovery.
  set(env /usr/bin/env "ZORVI_BUILD_DIR=${CMAKE_BINARY_DIR}" "ZORVI_SOURCE_DIR=${CMAKE_SOURCE_DIR}" ${T_ENV})
  if(T_DISPLAY AND T_WM)
    set(launcher ${env} ${CMAKE_SOURCE_DIR}/tests/with-xvfb.sh ${CMAKE_SOURCE_DIR}/tests/with-openbox.sh)
  elseif(T_DISPLAY)
    set(launcher ${env} ${CMAKE_SOURCE_DIR}/tests/with-xvfb.sh)
  else()
    set(launcher ${env} QT_QPA_PLATFORM=offscreen)
  endif()
  set_target_properties(${T_NAME} PROPERTIES CROSSCOMPILING_EMULATOR "${launcher}")
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_PREFIX "${T_NAME}."
    PROPERTIES LABELS "${labels}" TIMEOUT ${T_TIMEOUT})
endfunction()

# zorvi_add_fuzzer(NAME name SOURCES ... LIBS ...): a libFuzzer target in build-fuzz/fuzz/.
function(zorvi_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(fuzz_${F_NAME} ${F_SOURCES})
  target_link_libraries(fuzz_${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(fuzz_${F_NAME} PRIVATE -fsanitize=fuzzer)
  set_target_properties(fuzz_${F_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  add_dependencies(fuzzers fuzz_${F_NAME})
endfunction()
