# What `cmake --install` puts beside the two programs (installed where their
# targets are defined): the desktop entry, the AppStream metainfo, the program
# icon in the hicolor theme, and the manual page of verbodex-batch. `cpack -G
# DEB` packs the same files, with the package's dependencies taken from the
# libraries the binaries link (dpkg-shlibdeps).
include(GNUInstallDirs)

set(VERBODEX_APP_ID org.verbodex.Verbodex)

if(VERBODEX_WITH_QT)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VERBODEX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VERBODEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/verbodex.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${VERBODEX_APP_ID}.svg)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/verbodex-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VERBODEX_APP_ID}.png)
  endforeach()
endif()

# Manual pages go compressed, as Debian keeps them.
find_program(GZIP_EXECUTABLE gzip)
if(TARGET verbodex-batch AND GZIP_EXECUTABLE)
  set(manual ${CMAKE_BINARY_DIR}/verbodex-batch.1.gz)
  add_custom_command(OUTPUT ${manual}
    COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${CMAKE_SOURCE_DIR}/docs/verbodex-batch.1 > ${manual}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/verbodex-batch.1
    COMMENT "Compressing the manual page of verbodex-batch")
  add_custom_target(verbodex_manual ALL DEPENDS ${manual})
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(TARGET verbodex-batch)
  install(FILES ${CMAKE_SOURCE_DIR}/docs/verbodex-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME verbodex)
set(CPACK_PACKAGE_VENDOR "The Verbodex developers")
set(CPACK_PACKAGE_CONTACT "The Verbodex developers <verbodex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Translation editor: a translation side by side with its original")
set(CPACK_PACKAGE_DESCRIPTION
    "Verbodex shows the original of a user-interface text file, read-only, beside
its translation, which the translator edits and saves with a backup. Its aids
(i-Check, i-Merge, i-Color) show as colours what is missing or out of step.
verbodex-batch runs the same aids without a window for build pipelines.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# German message-box buttons and file dialogs come from Qt's own translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
