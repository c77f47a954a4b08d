# Run by CPack on its staged copy of an edition, before makensis packs it.

# makensis keeps each file's time, which the installer gives the installed
# file: the commit's, not the time of the checkout or of the build.
file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
execute_process(COMMAND touch -h -d @${TANDEMIX_SOURCE_DATE_EPOCH} -- ${staged}
  COMMAND_ERROR_IS_FATAL ANY)
