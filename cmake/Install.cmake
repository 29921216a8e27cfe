# Installation into the XDG places, and the Debian package built from it.
#   <prefix>/bin                               shosu-drill, shosu-sheet
#   <prefix>/share/applications                the desktop entry
#   <prefix>/share/icons/hicolor/scalable/apps the icon
#   <prefix>/share/metainfo                    AppStream metainfo
#   <prefix>/share/shosu-drill/help            the offline help pages
#   <prefix>/share/man/man1                    shosu-sheet(1)
# The program recognises an installation by <prefix>/share/shosu-drill and
# then keeps its settings in ~/.config/shosu-drill/.
include(GNUInstallDirs)

set(SHOSU_APP_ID org.example.shosu_drill)

install(TARGETS shosu-drill shosu-sheet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${SHOSU_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/shosu-drill.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SHOSU_APP_ID}.svg)
install(FILES data/${SHOSU_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY site/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/shosu-drill/help)

# Manual pages are installed compressed, as Debian expects.
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/shosu-sheet.1.gz)
  add_custom_command(OUTPUT ${man_page}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/data/shosu-sheet.1 > ${man_page}
    DEPENDS data/shosu-sheet.1 VERBATIM)
  add_custom_target(man_pages ALL DEPENDS ${man_page})
else()
  set(man_page data/shosu-sheet.1)
endif()
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package (scripts/package.sh). Library dependencies come from
# dpkg-shlibdeps; the platform plugin and the fonts are not linked, so they
# are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shosu-drill)
set(CPACK_PACKAGE_VENDOR "shosu-drill")
set(CPACK_PACKAGE_CONTACT "shosu-drill developers <shosu-drill@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printable worksheets of decimal arithmetic")
# CPack puts the summary first and indents every line of this text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A desktop program for teachers and parents that makes worksheets of
school decimal arithmetic (addition, subtraction, multiplication and
division with up to four decimal digits), with exact answers, a problem
sheet and an answer sheet, printed at true size or saved as images.
The user interface is Japanese. Includes shosu-sheet, a command-line
companion, and offline help pages.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://shosu-drill.example.org/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
