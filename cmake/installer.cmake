# One installer per edition (NSIS through CPack), into build/windows/installers.
# The plug-in files, and the companions that lie beside Tandemix.exe, are not
# ours: they come from folders given when configuring.

set(TANDEMIX_PLUGIN_DIR "" CACHE PATH
  "Folder of the plug-in files the installers ship (Sidecard.html, Sidecard.ocx, Control.js, MANIFEST/)")
set(TANDEMIX_COMPANION_DIR "" CACHE PATH
  "Folder of Hostprep.exe, Updater.exe and Glossator.dll the installers ship; empty: none")
set(TANDEMIX_INSTALLER_DIR ${CMAKE_BINARY_DIR}/installers)
# Authenticode signing of the programs, the uninstallers and the installers by
# osslsigncode; nothing is signed without a certificate.
set(TANDEMIX_SIGN_CERT "" CACHE FILEPATH
  "Code-signing certificate (PEM or DER, with its chain) to sign the release with; empty: unsigned")
set(TANDEMIX_SIGN_KEY "" CACHE FILEPATH "Private key of TANDEMIX_SIGN_CERT (PEM or DER)")
set(TANDEMIX_SIGN_TIMESTAMP_URL "" CACHE STRING
  "RFC 3161 time-stamp server the signatures are stamped by; empty: none")
if(TANDEMIX_SIGN_CERT AND NOT TANDEMIX_SIGN_KEY)
  message(FATAL_ERROR "TANDEMIX_SIGN_CERT is given without TANDEMIX_SIGN_KEY")
endif()

# The version of an edition, read by the compiler from the header the version
# resource is built from.
function(tandemix_edition_version pro out)
  set(probe ${CMAKE_BINARY_DIR}/edition_version_probe.c)
  file(WRITE ${probe} "TANDEMIX_FILE_VERSION_TEXT\n")
  execute_process(
    COMMAND ${CMAKE_C_COMPILER} -E -P -DTANDEMIX_EDITION_PRO=${pro}
            -include ${CMAKE_SOURCE_DIR}/resources/edition_version.h ${probe}
    OUTPUT_VARIABLE expanded COMMAND_ERROR_IS_FATAL ANY)
  if(NOT expanded MATCHES "\"([0-9.]+)\"")
    message(FATAL_ERROR "No version for TANDEMIX_EDITION_PRO=${pro}: ${expanded}")
  endif()
  set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/edition_version.h)

if(NOT TANDEMIX_PLUGIN_DIR)
  message(STATUS "No TANDEMIX_PLUGIN_DIR: no installers")
  return()
endif()

file(GLOB_RECURSE shipped_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/ship/*
  ${TANDEMIX_PLUGIN_DIR}/*)
set(companions)
if(TANDEMIX_COMPANION_DIR)
  foreach(name IN ITEMS Hostprep.exe Updater.exe Glossator.dll)
    list(APPEND companions ${TANDEMIX_COMPANION_DIR}/${name})
  endforeach()
endif()

set(installers)
foreach(edition IN ITEMS pro standard)
  if(edition STREQUAL "pro")
    tandemix_edition_version(1 version)
    set(display_name "Tandemix Pro")
  else()
    tandemix_edition_version(0 version)
    set(display_name "Tandemix")
  endif()
  string(REPLACE " " "" file_stem ${display_name})
  set(file_name ${file_stem}-${version}-setup)

  install(TARGETS tandemix_${edition} RUNTIME DESTINATION . COMPONENT ${edition})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ship/ ${TANDEMIX_PLUGIN_DIR}/
    DESTINATION . COMPONENT ${edition})
  if(companions)
    install(FILES ${companions} DESTINATION . COMPONENT ${edition})
  endif()

  set(config ${CMAKE_BINARY_DIR}/CPackConfig-${edition}.cmake)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/installer/CPackEdition.cmake.in ${config} @ONLY)
  set(installer ${TANDEMIX_INSTALLER_DIR}/${file_name}.exe)
  add_custom_command(OUTPUT ${installer}
    COMMAND ${CMAKE_CPACK_COMMAND} --config ${config}
    # One at a time: CPack stages every package in the same folder.
    DEPENDS tandemix_${edition} ${shipped_files} ${companions} ${config} ${installers}
            ${CMAKE_SOURCE_DIR}/cmake/installer/NSIS.template.in
            ${CMAKE_SOURCE_DIR}/cmake/installer/stage.cmake
    COMMENT "Installer of ${display_name} ${version}" VERBATIM)
  list(APPEND installers ${installer})
  set(TANDEMIX_INSTALLER_FILE_${edition} ${file_name}.exe)
endforeach()
add_custom_target(installers ALL DEPENDS ${installers})

# Each edition packed again, signed with a certificate the test makes itself.
add_test(NAME release.signing
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/signing_test.sh ${CMAKE_BINARY_DIR}
          ${CMAKE_BINARY_DIR}/signing_test)
set_tests_properties(release.signing PROPERTIES LABELS release)
