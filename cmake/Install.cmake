# Installation into the XDG places, and the Debian package built from it.
#   <prefix>/bin                               shosu-drill, shosu-sheet
#   <prefix>/share/applications                the desktop entry
#   <prefix>/share/icons/hicolor/scalable/apps the icon
#   <prefix>/share/metainfo                    AppStream metainfo
#   <prefix>/share/shosu-drill/help            the offline help pages
#   <prefix>/share/man/man1                    shosu-drill(1), shosu-sheet(1)
#   <prefix>/share/doc/shosu-drill             copyright (MIT), changelog
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

# Manual pages carry the project's version; they, and the changelog, are
# installed compressed without a time stamp, as Debian expects.
find_program(GZIP_PROGRAM gzip)
# Every file made for installation; the install test depends on it.
add_custom_target(shosu_install_files ALL)
function(shosu_install_gzipped source destination name)
  if(GZIP_PROGRAM)
    set(packed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${packed}
      COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${packed}
      DEPENDS ${source} VERBATIM)
    add_custom_target(gzip_${name} DEPENDS ${packed})
    add_dependencies(shosu_install_files gzip_${name})
    install(FILES ${packed} DESTINATION ${destination})
  else()
    install(FILES ${source} DESTINATION ${destination})
  endif()
endfunction()
foreach(page shosu-drill.1 shosu-sheet.1)
  configure_file(data/${page} ${CMAKE_CURRENT_BINARY_DIR}/${page} @ONLY)
  shosu_install_gzipped(${CMAKE_CURRENT_BINARY_DIR}/${page} ${CMAKE_INSTALL_MANDIR}/man1 ${page})
endforeach()
# The licence in the machine-readable form Debian reads, and the changelog.
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
shosu_install_gzipped(${CMAKE_CURRENT_SOURCE_DIR}/data/changelog ${CMAKE_INSTALL_DOCDIR} changelog)

# The compiler's identification notes (section .comment) are of no use in an
# installed program; stripping keeps them, so they are removed here.
if(CMAKE_OBJCOPY)
  foreach(program shosu-drill shosu-sheet)
    install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")")
  endforeach()
endif()

# The Debian package (scripts/package.sh). Library dependencies come from
# dpkg-shlibdeps; the platform plugin and the fonts are not linked, so they
# are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME shosu-drill)
set(CPACK_PACKAGE_VENDOR "shosu-drill")
# scripts/package.sh names the builder (DEBEMAIL) when one is configured.
set(SHOSU_MAINTAINER "shosu-drill developers <maintainers@shosu-drill.invalid>" CACHE STRING
    "The package's maintainer: name <address>")
set(CPACK_PACKAGE_CONTACT "${SHOSU_MAINTAINER}")
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
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
