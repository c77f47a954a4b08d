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
