# Windows build: the programs, and the tests that run under Wine.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Stack canaries and checked string and memory calls; mingw-w64 takes both from
# libssp, linked statically like the rest of the runtime. ASLR and DEP are
# stated rather than left to the linker's defaults (a 32-bit image has no
# high-entropy ASLR).
# Small programs: a tray program is loaded from disk at every logon. Sections
# per function and object let the linker drop what nothing calls.
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
set(windows_compile_options -fstack-protector-strong -ffunction-sections -fdata-sections)
add_compile_options(${windows_compile_options})
# The core library was made before this file was read: it takes them itself.
target_compile_options(tandemix_core PRIVATE ${windows_compile_options})
add_compile_definitions(_FORTIFY_SOURCE=2)
add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--nxcompat -Wl,--gc-sections)
target_link_libraries(tandemix_core PUBLIC comctl32 version shell32 gdi32)

# The window's JPEG logo: libjpeg-turbo cross-built into the build tree by
# scripts/build-libjpeg.sh (static, no SIMD).
set(TANDEMIX_JPEG_PREFIX ${CMAKE_SOURCE_DIR}/build/third_party/libjpeg-i686
  CACHE PATH "libjpeg-turbo built for Windows by scripts/build-libjpeg.sh")
list(PREPEND CMAKE_FIND_ROOT_PATH ${TANDEMIX_JPEG_PREFIX})
find_package(JPEG REQUIRED)
target_link_libraries(tandemix_core PRIVATE JPEG::JPEG)

# The two editions: one source, one profile each, each in its own folder
# as Tandemix.exe.
foreach(edition IN ITEMS pro standard)
  add_executable(tandemix_${edition} WIN32
    main/tandemix_main_win.cpp application/edition_profile.cpp resources/tandemix.rc)
  target_link_libraries(tandemix_${edition} PRIVATE tandemix_core)
  if(edition STREQUAL "pro")
    target_compile_definitions(tandemix_${edition} PRIVATE TANDEMIX_EDITION_PRO=1)
  else()
    target_compile_definitions(tandemix_${edition} PRIVATE TANDEMIX_EDITION_PRO=0)
  endif()
  target_include_directories(tandemix_${edition} PRIVATE ${CMAKE_SOURCE_DIR}/resources)
  set_target_properties(tandemix_${edition} PROPERTIES
    OUTPUT_NAME Tandemix RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${edition})
  target_link_options(tandemix_${edition} PRIVATE -s)
  # The files shipped beside the executable.
  add_custom_command(TARGET tandemix_${edition} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/resources/ship
            ${CMAKE_BINARY_DIR}/${edition})
endforeach()

add_executable(tandemix-block tools/block_viewer_main_win.cpp)
target_link_libraries(tandemix-block PRIVATE tandemix_core)

# The plug-in author's example reader, plain C89 as a plug-in may be built.
add_executable(block_reader examples/block_reader_win.c)
target_include_directories(block_reader PRIVATE ${CMAKE_SOURCE_DIR}/include)
set_target_properties(block_reader PROPERTIES C_STANDARD 90 C_STANDARD_REQUIRED ON
  C_EXTENSIONS OFF RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/examples)
target_compile_options(block_reader PRIVATE -pedantic-errors)

include(cmake/reproducible.cmake)
include(cmake/installer.cmake)

# Stand-ins for the programs and the library Tandemix works with, for the Wine
# tests only (never shipped): each logs how it was started or loaded.
foreach(stand_in IN ITEMS Hostprep Updater YahooMessenger)
  add_executable(fixture_${stand_in} WIN32 tests/fixtures/stand_in_win.cpp)
  target_include_directories(fixture_${stand_in} PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(fixture_${stand_in} PROPERTIES OUTPUT_NAME ${stand_in}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)
endforeach()
target_compile_definitions(fixture_YahooMessenger PRIVATE STAND_IN_MAIN_WINDOW=1)
target_compile_definitions(fixture_Hostprep PRIVATE STAND_IN_RECORDS_BLOCK=1)
add_library(fixture_Glossator SHARED tests/fixtures/glossator_win.cpp)
target_include_directories(fixture_Glossator PRIVATE ${CMAKE_SOURCE_DIR})
set_target_properties(fixture_Glossator PROPERTIES OUTPUT_NAME Glossator PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fixtures)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The portable core's suite again, against the real code page and file calls.
file(GLOB NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(native_tests ${NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE tandemix_core gtest_main JPEG::JPEG)

# Every Wine test takes one prefix slot. When the test command hands out workers
# (scripts/wine-workers.sh) tests run side by side, each in a worker prefix of
# its own; without one, in the project's prefix, one at a time
# (scripts/wine-test-prefix.sh). A test program of many program starts is
# split into SHARDS entries that run its cases in turn (GoogleTest's
# sharding), so that they spread over the workers; a failing case is named
# in its entry's output. COST: the seconds an entry takes, so that the long
# ones start first. The time-outs only end a hung test: under qemu (Wine 10
# where the kernel runs no 32-bit code) programs run several times slower, and
# a test ended midway leaves its Tandemix running for the tests after it.
function(add_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SHARDS;COST;TIMEOUT" "COMMAND")
  if(NOT arg_SHARDS)
    set(arg_SHARDS 1)
  endif()
  if(NOT arg_COST)
    set(arg_COST 0)
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 1800)
  endif()
  foreach(shard RANGE 1 ${arg_SHARDS})
    set(entry wine.${name})
    set(environment "")
    if(arg_SHARDS GREATER 1)
      set(entry wine.${name}.${shard}of${arg_SHARDS})
      math(EXPR index "${shard} - 1")
      set(environment GTEST_SHARD_INDEX=${index} GTEST_TOTAL_SHARDS=${arg_SHARDS})
    endif()
    math(EXPR cost "${arg_COST} / ${arg_SHARDS}")
    add_test(NAME ${entry} COMMAND ${arg_COMMAND})
    set_tests_properties(${entry} PROPERTIES LABELS wine RESOURCE_GROUPS prefix:1
      ENVIRONMENT "${environment}" COST ${cost} TIMEOUT ${arg_TIMEOUT})
  endforeach()
endfunction()

add_wine_test(native_tests COMMAND native_tests)

# What every Wine test drives the real programs with; it needs them built.
add_library(program_driver STATIC tests/wine/program_driver.cpp tests/wine/messenger_install.cpp
  tests/wine/recorded_calls.cpp
  tests/wine/wine_test_support.cpp)
target_link_libraries(program_driver PUBLIC tandemix_core)
target_compile_definitions(program_driver PRIVATE TANDEMIX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  TANDEMIX_BIN_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(program_driver tandemix_pro tandemix_standard tandemix-block block_reader
  fixture_Hostprep fixture_Updater fixture_YahooMessenger fixture_Glossator)

# One test executable per area. The long ones: shards, the seconds they take
# under Wine 10 with qemu one after another, and the time-out of a shard.
set(wine_test_split_bad_input_test 4 360 1800)
set(wine_test_split_control_window_test 3 225 1800)
file(GLOB WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
if(NOT TARGET installers)
  list(FILTER WINE_TESTS EXCLUDE REGEX "/installer_test\\.cpp$")
endif()
foreach(test_source IN LISTS WINE_TESTS)
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source})
  target_link_libraries(${test_name} PRIVATE program_driver gtest_main)
  if(test_name STREQUAL "window_scale_test")
    continue()
  endif()
  set(shards 1)
  set(cost 0)
  set(timeout 1800)
  if(DEFINED wine_test_split_${test_name})
    list(GET wine_test_split_${test_name} 0 shards)
    list(GET wine_test_split_${test_name} 1 cost)
    list(GET wine_test_split_${test_name} 2 timeout)
  endif()
  add_wine_test(${test_name} COMMAND ${test_name} SHARDS ${shards} COST ${cost} TIMEOUT ${timeout})
endforeach()
# Wine 10 takes the monitor's DPI from LogPixels when the prefix's desktop
# starts: each scale is an entry of its own that sets it first.
foreach(dpi 96 144 192)
  add_wine_test(window_scale_test.${dpi} COST 20
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/at_dpi.sh ${dpi}
      $<TARGET_FILE:window_scale_test> --gtest_filter=*/${dpi})
endforeach()

# The logo test encodes its own large picture.
target_link_libraries(control_window_test PRIVATE JPEG::JPEG)

if(TARGET installers)
  target_compile_definitions(installer_test PRIVATE
    TANDEMIX_PRO_INSTALLER=L"${TANDEMIX_INSTALLER_FILE_pro}"
    TANDEMIX_STANDARD_INSTALLER=L"${TANDEMIX_INSTALLER_FILE_standard}"
    TANDEMIX_PLUGIN_DIR="${TANDEMIX_PLUGIN_DIR}")
  target_link_libraries(installer_test PRIVATE ole32 uuid)
  add_dependencies(installer_test installers)
endif()

# A real end of the Windows session, driven from outside Wine.
add_wine_test(session_end
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/session_end_test.sh ${CMAKE_BINARY_DIR})

# No display at all: the control window cannot be made.
add_wine_test(no_display
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/no_display_test.sh ${CMAKE_BINARY_DIR})

# The start-up benchmark (scripts/bench.sh, which builds them), never
# installed or shipped: the control window built the plain way, and the
# program that times a start.
add_executable(bench_floor WIN32 EXCLUDE_FROM_ALL bench/floor_window_win.cpp application/edition_profile.cpp
  resources/tandemix.rc)
target_compile_definitions(bench_floor PRIVATE TANDEMIX_EDITION_PRO=1)
target_include_directories(bench_floor PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(bench_floor PRIVATE tandemix_core)
# Stripped as the shipped programs are: under Wine the image counts as private memory.
target_link_options(bench_floor PRIVATE -s)
add_executable(bench_timer EXCLUDE_FROM_ALL bench/start_timer_win.cpp)
target_link_libraries(bench_timer PRIVATE tandemix_core)
set_target_properties(bench_floor bench_timer PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
