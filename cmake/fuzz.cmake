# Fuzz build (clang, libFuzzer): one target per parser of bytes that come from
# files and the registry, each run over its stored seeds by the test command.
find_package(JPEG REQUIRED)
target_link_libraries(tandemix_core PRIVATE JPEG::JPEG)

# Seconds each target fuzzes in a test run; scripts/fuzz.sh runs them longer.
set(TANDEMIX_FUZZ_SECONDS 3 CACHE STRING "Seconds each fuzz target runs under ctest")

file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source IN LISTS FUZZ_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE tandemix_core)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  # New inputs go to the build tree; the stored seeds stay as they are.
  set(corpus ${CMAKE_BINARY_DIR}/corpus/${name})
  set(artifacts ${CMAKE_BINARY_DIR}/artifacts/${name}/)
  file(MAKE_DIRECTORY ${corpus} ${artifacts})
  add_test(NAME fuzz.${name}
    COMMAND ${name} -max_total_time=${TANDEMIX_FUZZ_SECONDS} -timeout=10
            -artifact_prefix=${artifacts} ${corpus} ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 60)
endforeach()
