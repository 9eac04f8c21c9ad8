# Install rules and packages for Windows (included by VitachronInstall.cmake).
# The programs and what they read sit flat in one folder, as in the build
# tree's bin/ (CInstallLayout finds everything beside the program):
#   vitachron.exe, vitachron-cli.exe, vitachron-render.exe
#   HTMLHelp/                  the help pages
#   locale/ja/LC_MESSAGES/     the program's and the toolkit's Japanese catalogues
#   sample.vtc, README.md, copyright.txt
# No color.tbl is shipped: the program makes one when a category is shared.
# cpack -G "NSIS;ZIP" makes vitachron-setup-<version>.exe, an installer for
# Program Files with Start-menu entries and the .vtc association (template in
# cmake/windows/), and vitachron-<version>-win64.zip, the same folder to run
# from anywhere (scripts/windows/build.sh --package runs it).
set(data ${VITACHRON_SOURCE_DIR}/data)
# Stripping stamps each program with the time unless told otherwise: the
# release date instead, so that the installer and the zip (each installed
# and stripped by cpack on its own) carry the same bytes.
execute_process(COMMAND date -u -d "${VITACHRON_RELEASE_DATE}" +%s
  OUTPUT_VARIABLE release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
if(NOT failed)
  install(CODE "set(ENV{SOURCE_DATE_EPOCH} ${release_epoch})")
endif()
install(TARGETS vitachron-cli RUNTIME DESTINATION .)
if(VITACHRON_BUILD_UI)
  install(TARGETS vitachron vitachron-render RUNTIME DESTINATION .)
  install(DIRECTORY ${data}/HTMLHelp DESTINATION .)
  install(FILES ${CMAKE_BINARY_DIR}/data/locale/ja/LC_MESSAGES/vitachron.mo DESTINATION locale/ja/LC_MESSAGES)
  if(VITACHRON_WX_CATALOGUE)  # found by data/CMakeLists.txt
    install(FILES ${VITACHRON_WX_CATALOGUE} DESTINATION locale/ja/LC_MESSAGES)
  endif()
  install(FILES ${data}/sample.vtc DESTINATION .)
endif()
install(FILES ${VITACHRON_SOURCE_DIR}/README.md DESTINATION .)
install(FILES ${data}/package/copyright DESTINATION . RENAME copyright.txt)

# The names the program itself uses for its document type and profile, so
# that the installer's association is the one the program knows.
function(_vitachron_string name out)
  file(STRINGS ${VITACHRON_SOURCE_DIR}/src/res/Strings.h line REGEX "[ ]${name} = \"" ENCODING UTF-8)
  if(NOT line MATCHES "= \"([^\"]*)\"")
    message(FATAL_ERROR "No ${name} in src/res/Strings.h")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
_vitachron_string(kAppName app_name)
_vitachron_string(kVendorName vendor_name)
_vitachron_string(kDocumentTypeName progid)
_vitachron_string(kDocumentExtension extension)
_vitachron_string(kFileTypeName file_type_name)
# The help's Start-menu entry is named as the page calls itself.
file(STRINGS ${data}/HTMLHelp/index.html help_title REGEX "<title>" ENCODING UTF-8)
string(REGEX REPLACE ".*<title>(.*)</title>.*" "\\1" help_title "${help_title}")

set(CPACK_PACKAGE_NAME vitachron)
set(CPACK_PACKAGE_VENDOR "${vendor_name}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw timelines of people's lives")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${app_name}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${app_name}")
set(CPACK_NSIS_PACKAGE_NAME "${app_name}")
set(CPACK_NSIS_DISPLAY_NAME "${app_name} ${PROJECT_VERSION}")
# Read only by cmake/windows/NSIS.template.in.
set(CPACK_VITACHRON_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(CPACK_VITACHRON_ICON "${data}/icons/vitachron.ico")
set(CPACK_VITACHRON_PROGID "${progid}")
set(CPACK_VITACHRON_EXTENSION "${extension}")
set(CPACK_VITACHRON_FILE_TYPE_NAME "${file_type_name}")
set(CPACK_VITACHRON_HELP_SHORTCUT "${help_title}")
# The package's name by generator (see the file).
set(CPACK_PROJECT_CONFIG_FILE ${VITACHRON_SOURCE_DIR}/cmake/windows/CPackPackageNames.cmake)
list(APPEND CMAKE_MODULE_PATH ${VITACHRON_SOURCE_DIR}/cmake/windows)  # NSIS.template.in
set(CPACK_STRIP_FILES ON)
if(VITACHRON_BUILD_UI)
  set(CPACK_GENERATOR NSIS ZIP)
else()
  set(CPACK_GENERATOR ZIP)
endif()
include(CPack)
