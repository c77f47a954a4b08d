# The same commit gives the same bytes wherever and whenever it is built: every
# time comes from the last commit (SOURCE_DATE_EPOCH when the environment sets
# it, as reproducible-builds.org has it), and no build path is kept.

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(TANDEMIX_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE TANDEMIX_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE git_failed ERROR_QUIET)
  if(git_failed)
    message(FATAL_ERROR "No commit to take the build's time from: set SOURCE_DATE_EPOCH")
  endif()
  # A new commit is a new time: configure again when the branch moves.
  execute_process(COMMAND git rev-parse --git-path HEAD --symbolic-full-name HEAD
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE head OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE "\n" ";" head "${head}")
  list(GET head 0 head_file)
  list(GET head 1 branch)
  execute_process(COMMAND git rev-parse --git-path ${branch}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE branch_file
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  foreach(file IN ITEMS ${head_file} ${branch_file})
    cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_SOURCE_DIR})
    if(EXISTS ${file})
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    endif()
  endforeach()
endif()
if(NOT TANDEMIX_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "Not a time in seconds: '${TANDEMIX_SOURCE_DATE_EPOCH}'")
endif()

# The linker writes SOURCE_DATE_EPOCH into the PE header's time stamp; the
# compiler writes the source and build folders' names as . and build.
set(prefix_maps -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
target_compile_options(tandemix_core PRIVATE ${prefix_maps})
foreach(edition IN ITEMS pro standard)
  target_compile_options(tandemix_${edition} PRIVATE ${prefix_maps})
  set_target_properties(tandemix_${edition} PROPERTIES CXX_LINKER_LAUNCHER
    "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=${TANDEMIX_SOURCE_DATE_EPOCH}")
endforeach()

# The times the programs and the installers carry are the commit's.
add_test(NAME release.time_stamps
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/time_stamp_test.sh ${CMAKE_SOURCE_DIR}
          ${CMAKE_BINARY_DIR}/installers $<TARGET_FILE:tandemix_pro> $<TARGET_FILE:tandemix_standard>)
set_tests_properties(release.time_stamps PROPERTIES LABELS release)
