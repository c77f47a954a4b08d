# Run by CPack on its staged copy of an edition, before makensis packs it.

# With a certificate, Tandemix.exe is signed here; makensis signs the
# uninstaller before it packs it, and the installer last.
set(TANDEMIX_NSIS_SIGNING "")
if(TANDEMIX_SIGN_CERT)
  set(with "${TANDEMIX_SIGN_CERT}" "${TANDEMIX_SIGN_KEY}" "${TANDEMIX_SIGN_TIMESTAMP_URL}")
  execute_process(COMMAND ${TANDEMIX_SIGN_SCRIPT} ${CPACK_TEMPORARY_DIRECTORY}/Tandemix.exe ${with}
    COMMAND_ERROR_IS_FATAL ANY)
  list(JOIN with "\" \"" with)
  set(sign "\"${TANDEMIX_SIGN_SCRIPT}\" \"%1\" \"${with}\"")
  set(TANDEMIX_NSIS_SIGNING "!uninstfinalize '${sign}' = 0\n!finalize '${sign}' = 0")
endif()

# makensis keeps each file's time, which the installer gives the installed
# file: the commit's, not the time of the checkout or of the build.
file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
execute_process(COMMAND touch -h -d @${TANDEMIX_SOURCE_DATE_EPOCH} -- ${staged}
  COMMAND_ERROR_IS_FATAL ANY)
