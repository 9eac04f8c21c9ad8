# Install rules (GNUInstallDirs) and the Debian package (CPack).
#   bin/                          vitachron, vitachron-cli
#   libexec/vitachron/            vitachron-render, run by vitachron-cli
#   share/vitachron/              help pages, font mapping
#   share/locale/ja/LC_MESSAGES/  the Japanese catalogue of the toolkit's texts
#   share/applications, share/mime/packages, share/icons/hicolor, share/metainfo
#   share/man/man1, share/doc/vitachron
# The stand-in Annalix is a tool for development and tests and stays out.
# Installing builds nothing: scripts/package.sh builds the programs first,
# and the tests need not be built to install them.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# On Windows the programs and their data share one folder, packed by an
# installer and a zip (cmake/VitachronInstallWindows.cmake).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/VitachronInstallWindows.cmake)
  return()
endif()
install(TARGETS vitachron-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VITACHRON_BUILD_UI)
  set(data ${VITACHRON_SOURCE_DIR}/data)
  set(generated ${CMAKE_BINARY_DIR}/data)
  install(TARGETS vitachron RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS vitachron-render RUNTIME DESTINATION ${VITACHRON_INSTALL_LIBEXECDIR})
  install(DIRECTORY ${data}/HTMLHelp DESTINATION ${VITACHRON_INSTALL_DATADIR})
  install(FILES ${data}/fonts/vitachron-fonts.conf DESTINATION ${VITACHRON_INSTALL_DATADIR})
  install(FILES ${generated}/locale/ja/LC_MESSAGES/vitachron.mo DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/ja/LC_MESSAGES)
  install(FILES ${data}/desktop/vitachron.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${data}/desktop/vitachron.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${data}/icons/vitachron-${size}.png RENAME vitachron.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${data}/icons/vitachron.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${generated}/com.orvsoftware.Vitachron.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${generated}/man/vitachron.1.gz ${generated}/man/vitachron-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# The package's documentation: the README, the copyright and the changelog
# (compressed, as Debian wants it).
configure_file(${VITACHRON_SOURCE_DIR}/data/package/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog VERBATIM)
add_custom_target(vitachron-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${VITACHRON_SOURCE_DIR}/README.md ${VITACHRON_SOURCE_DIR}/data/package/copyright
        ${CMAKE_BINARY_DIR}/package/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB: vitachron_<version>_<arch>.deb. The libraries' packages come
# from the binaries (dpkg-shlibdeps); the rest is what the program needs at
# run time that no library names: the Japanese fonts its font mapping
# names and the toolkit's Japanese texts. The desktop's databases pick up
# the entry, the MIME type and the icons through their own triggers.
set(CPACK_PACKAGE_NAME vitachron)
set(CPACK_PACKAGE_VENDOR "Orv Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orv Software <vitachron@orvsoftware.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw timelines of people's lives")
# The summary above heads it; cpack indents the lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vitachron shows a document of people as a timeline: one row per person,
a life bar on a shared year axis, ages counted in completed years or the
traditional way, and each person's age at a chosen base year. People are
edited, sorted, grouped by category, coloured and printed, and exchanged
as CSV and as base-point year files. Its texts are Japanese.

vitachron-cli reads, converts and draws the documents from the shell.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vitachron.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, wx3.2-i18n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xvfb")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
