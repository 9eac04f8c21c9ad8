# Read by cpack once for each generator (CPACK_PROJECT_CONFIG_FILE): the
# installer and the zip are named apart, and the zip's one folder is named
# as the zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "vitachron-setup-${CPACK_PACKAGE_VERSION}")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "vitachron-${CPACK_PACKAGE_VERSION}-win64")
endif()
