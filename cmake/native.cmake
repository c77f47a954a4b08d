# Native build: the portable core and its GoogleTest suite.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE tandemix_core GTest::gtest_main)
gtest_discover_tests(native_tests TEST_PREFIX "native." PROPERTIES LABELS native)

# The window's JPEG logo, with the system's libjpeg; the JPEG tests encode their
# own pictures with it.
find_package(JPEG REQUIRED)
target_link_libraries(tandemix_core PRIVATE JPEG::JPEG)
target_link_libraries(native_tests PRIVATE JPEG::JPEG)

# The set-up script's derivation of source-package entries from apt's own.
add_test(NAME setup.deb_src_entries
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/setup/deb_src_entries_test.sh)
set_tests_properties(setup.deb_src_entries PROPERTIES LABELS native)

# The record header as plug-in authors compile it: plain C, C89 and C11.
foreach(c_standard IN ITEMS 90 11)
  set(header_test trans_control_block_c${c_standard})
  add_executable(${header_test} tests/native/trans_control_block_c.c)
  target_include_directories(${header_test} PRIVATE ${CMAKE_SOURCE_DIR}/include)
  set_target_properties(${header_test} PROPERTIES
    C_STANDARD ${c_standard} C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
  target_compile_options(${header_test} PRIVATE -pedantic-errors -Werror)
  add_test(NAME native.${header_test} COMMAND ${header_test})
  set_tests_properties(native.${header_test} PROPERTIES LABELS native)
endforeach()
