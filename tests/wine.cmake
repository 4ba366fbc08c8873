# Windows builds run their tests under Wine, in a 64-bit prefix that the
# test run creates once (fixture wine_prefix) and whose server it stops at
# the end.
set(TARN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(TARN_RUNNER ${CMAKE_CROSSCOMPILING_EMULATOR})

add_test(NAME wine_prefix_create COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/wine/create-prefix.sh)
add_test(NAME wine_prefix_stop COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/wine/stop-prefix.sh)
set_tests_properties(wine_prefix_create PROPERTIES FIXTURES_SETUP wine_prefix
  ENVIRONMENT "WINEPREFIX=${TARN_WINE_PREFIX}")
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix
  ENVIRONMENT "WINEPREFIX=${TARN_WINE_PREFIX}")

# The wrapper exits with 77 when this machine cannot run the executable's
# kind (32-bit on a kernel without IA-32 support); CTest shows that as skipped.
function(tarn_wine_test_properties name)
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    ENVIRONMENT "WINEPREFIX=${TARN_WINE_PREFIX}"
    SKIP_RETURN_CODE 77)
endfunction()

function(tarn_add_program_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  tarn_wine_test_properties(${name})
endfunction()

# add_test puts the emulator in front of an executable target by itself.
add_test(NAME unit_tests COMMAND tarn_unit_tests --gtest_brief=1)
tarn_wine_test_properties(unit_tests)
add_test(NAME sequence_tests COMMAND tarn_sequence_tests --gtest_brief=1)
tarn_wine_test_properties(sequence_tests)
add_test(NAME packer_tests COMMAND tarn_packer_tests --gtest_brief=1)
tarn_wine_test_properties(packer_tests)

# The launcher as a file: machine, subsystem, imports and resources.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(TARN_PE_MACHINE i386)
else()
  set(TARN_PE_MACHINE x86-64)
endif()
add_test(NAME launcher_executable
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/windows/inspect-executable.sh
  ${CMAKE_OBJDUMP} ${CMAKE_OBJCOPY} $<TARGET_FILE:tarn> ${TARN_PE_MACHINE})

# Argument splitting under a double-byte ANSI code page: Wine takes the code
# page from the locale, and Japanese gives 932. A skip here would mean the
# code page did not take, so it counts as a failure.
add_test(NAME double_byte_arguments COMMAND tarn_unit_tests --gtest_filter=*DoubleByte*)
tarn_wine_test_properties(double_byte_arguments)
set_property(TEST double_byte_arguments APPEND PROPERTY ENVIRONMENT LC_ALL=ja_JP.UTF-8)
set_property(TEST double_byte_arguments PROPERTY FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
