# Helpers shared by every module's CMakeLists.txt.

set(TESSALY_WARNINGS -Wall -Wextra -Wpedantic -Wno-unused-parameter)

# tessaly_module(<name> SOURCES ... [PUBLIC_DEPS ...] [PRIVATE_DEPS ...])
# Builds the static library tessaly_<name> (slashes become underscores) with
# src/ as its include root, so code includes "barcode/AsBarcode.h".
function(tessaly_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
  string(REPLACE "/" "_" target "tessaly_${name}")
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${target} PRIVATE ${TESSALY_WARNINGS})
  target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
  set_target_properties(${target} PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON)
endfunction()

# tessaly_test(<name> SOURCES ... LIBS ... [GUI])
# One GoogleTest executable per module; GUI tests get a QApplication main and
# run on the offscreen platform.
function(tessaly_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  string(REPLACE "/" "_" target "test_${name}")
  add_executable(${target} ${ARG_SOURCES})
  target_compile_options(${target} PRIVATE ${TESSALY_WARNINGS})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  target_compile_definitions(${target} PRIVATE
    TESSALY_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures"
    TESSALY_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  if(ARG_GUI)
    target_link_libraries(${target} PRIVATE tessaly_test_main_gui ${ARG_LIBS})
  else()
    target_link_libraries(${target} PRIVATE tessaly_test_main ${ARG_LIBS})
  endif()
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# tessaly_bench(<name> SOURCES ... LIBS ...): a Google Benchmark program, built, never run by CI.
function(tessaly_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  string(REPLACE "/" "_" target "bench_${name}")
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/bench)
  target_link_libraries(${target} PRIVATE benchmark::benchmark ${ARG_LIBS})
endfunction()

# tessaly_fuzz(<name> SOURCES ... LIBS ...): a libFuzzer target. Configure a separate build
# with clang and -DTESSALY_FUZZ=ON; the sanitizers are applied to the whole build there
# (see fuzz/README.md).
function(tessaly_fuzz name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  string(REPLACE "/" "_" target "fuzz_${name}")
  add_executable(${target} ${ARG_SOURCES})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
endfunction()
