# Warnings are errors in our own code; sanitizers are switched on for every target alike.
function(billcraft_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                         -Wno-sign-conversion -Werror)
  if(BILLCRAFT_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(BILLCRAFT_FUZZ)
    # Coverage for libFuzzer in every library a target links; only fuzz targets link its main.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                           -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# One libFuzzer target over billcraft_core (BILLCRAFT_FUZZ builds only).
#   billcraft_fuzz(NAME fuzz_money SOURCES fuzz_money.cpp)
function(billcraft_fuzz)
  cmake_parse_arguments(F "" "NAME" "SOURCES" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE billcraft_core)
  billcraft_strict(${F_NAME})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
endfunction()

# One Qt Test executable, registered with CTest, run headless in a fixed locale.
#   billcraft_test(NAME tst_money SOURCES a.cpp LABEL unit|ui [BOTH_ENGINES] [SERVER])
# BOTH_ENGINES runs it a second time, as <name>_server, with its books on the private
# PostgreSQL server of the test run (TestEnv reads BILLCRAFT_TEST_ENGINE); SERVER runs it once,
# with that server at hand.
function(billcraft_test)
  cmake_parse_arguments(T "BOTH_ENGINES;SERVER" "NAME;LABEL" "SOURCES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_LABEL STREQUAL "ui")
    target_link_libraries(${T_NAME} PRIVATE billcraft_testsession billcraft_ui Qt6::Test)
  else()
    target_link_libraries(${T_NAME} PRIVATE billcraft_testsupport Qt6::Test)
  endif()
  billcraft_strict(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABEL}"
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
  set(server_env "BILLCRAFT_TEST_SERVER_URL_FILE=${BILLCRAFT_TEST_CLUSTER}/url")
  if(T_SERVER)
    set_property(TEST ${T_NAME} APPEND PROPERTY ENVIRONMENT "${server_env}")
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED pgcluster)
  endif()
  if(T_BOTH_ENGINES)
    add_test(NAME ${T_NAME}_server COMMAND ${T_NAME})
    set_tests_properties(${T_NAME}_server PROPERTIES
      LABELS "${T_LABEL};server"
      TIMEOUT 300
      FIXTURES_REQUIRED pgcluster
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;BILLCRAFT_TEST_ENGINE=postgresql;${server_env}")
  endif()
endfunction()
