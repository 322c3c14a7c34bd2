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
#   billcraft_test(NAME tst_money SOURCES a.cpp LABEL unit|ui)
function(billcraft_test)
  cmake_parse_arguments(T "" "NAME;LABEL" "SOURCES" ${ARGN})
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
endfunction()
