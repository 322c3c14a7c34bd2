# Warnings are errors in our own code; sanitizers are switched on for every target alike.
function(billcraft_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                         -Wno-sign-conversion -Werror)
  if(BILLCRAFT_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# One Qt Test executable, registered with CTest, run headless in a fixed locale.
#   billcraft_test(NAME tst_money SOURCES a.cpp LABEL unit|ui)
function(billcraft_test)
  cmake_parse_arguments(T "" "NAME;LABEL" "SOURCES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_LABEL STREQUAL "ui")
    target_link_libraries(${T_NAME} PRIVATE billcraft_testsupport billcraft_ui Qt6::Test)
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
