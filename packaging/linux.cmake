# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing the program where a Linux desktop looks for it, and the Debian package.
# One id names the desktop entry, the icon and the AppStream metainfo alike.
include(GNUInstallDirs)

set(KALYXTERON_DESKTOP_ENTRY ${PROJECT_SOURCE_DIR}/assets/desktop/${KALYXTERON_APP_ID}.desktop)
# The metainfo's release, its version and date, comes from the project's, as the program's does.
set(KALYXTERON_METAINFO ${PROJECT_BINARY_DIR}/generated/${KALYXTERON_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/assets/desktop/${KALYXTERON_APP_ID}.metainfo.xml.in ${KALYXTERON_METAINFO} @ONLY)

install(TARGETS kalyxteron RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Qt and every other library the program links are the system's: the installed program has no
# search path of its own (qt_standard_project_setup would give it $ORIGIN/../lib).
set_target_properties(kalyxteron PROPERTIES INSTALL_RPATH "")
# A stripped install (the package's) also drops what the compiler and linker leave for
# nobody: the .comment section naming the compiler, and .note, as Debian's dh_strip does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kalyxteron\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES ${KALYXTERON_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KALYXTERON_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Where Lintian validates the metadata with AppStream 1.0 (Debian 13), it is told why the one
# warning left is: the file says. With AppStream 0.16 (Debian 12) it would be an unused override.
find_program(KALYXTERON_APPSTREAMCLI appstreamcli)
if(KALYXTERON_APPSTREAMCLI)
    execute_process(COMMAND ${KALYXTERON_APPSTREAMCLI} --version OUTPUT_VARIABLE _appstream ERROR_QUIET)
    string(REGEX MATCH "[0-9]+\\.[0-9.]+" _appstream "${_appstream}")
    if(_appstream VERSION_GREATER_EQUAL 1.0)
        install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
                DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kalyxteron)
    endif()
endif()
install(FILES ${KALYXTERON_ICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${KALYXTERON_ICON_FOLDER}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The manual pages, English and Greek, and the changelog, compressed as Debian wants them:
# gzip -9 without a name or time stamp, so that the same sources give the same package.
find_program(GZIP gzip REQUIRED)
set(_doc_folder ${PROJECT_BINARY_DIR}/doc)
function(kalyxteron_compress input output)
    add_custom_command(OUTPUT ${output}
        COMMAND sh -c "\"$1\" -9 --no-name --stdout \"$2\" > \"$3\"" compress ${GZIP} ${input} ${output}
        DEPENDS ${input}
        VERBATIM)
endfunction()
foreach(page IN ITEMS kalyxteron.1 el/kalyxteron.1)
    configure_file(docs/man/${page}.in ${_doc_folder}/man/${page} @ONLY)
    kalyxteron_compress(${_doc_folder}/man/${page} ${_doc_folder}/man/${page}.gz)
endforeach()
# The package's maintainer is whoever builds it, named as Debian's own tools name a packager
# (DEBFULLNAME, DEBEMAIL). The project has no public address; without them the package says so,
# in the domain kept for names that are no address (RFC 2606).
set(KALYXTERON_PACKAGER_NAME "$ENV{DEBFULLNAME}")
set(KALYXTERON_PACKAGER_MAIL "$ENV{DEBEMAIL}")
if(NOT KALYXTERON_PACKAGER_NAME)
    set(KALYXTERON_PACKAGER_NAME "The Kalyxteron authors")
endif()
if(NOT KALYXTERON_PACKAGER_MAIL)
    set(KALYXTERON_PACKAGER_MAIL "no-public-address@kalyxteron.invalid")
endif()
set(KALYXTERON_PACKAGER "${KALYXTERON_PACKAGER_NAME} <${KALYXTERON_PACKAGER_MAIL}>")
configure_file(packaging/changelog.in ${_doc_folder}/changelog @ONLY)
kalyxteron_compress(${_doc_folder}/changelog ${_doc_folder}/changelog.gz)
add_custom_target(documentation ALL DEPENDS
    ${_doc_folder}/man/kalyxteron.1.gz ${_doc_folder}/man/el/kalyxteron.1.gz ${_doc_folder}/changelog.gz)
install(FILES ${_doc_folder}/man/kalyxteron.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_doc_folder}/man/el/kalyxteron.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/el/man1)

# /usr/share/doc/kalyxteron/copyright in Debian's machine-readable format: the licence texts
# that Debian does not keep in /usr/share/common-licenses are written out in it, from LICENSES/.
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt _cc_by_sa)
string(STRIP "${_cc_by_sa}" _cc_by_sa)
string(REGEX REPLACE "\n[ \t]*\n" "\n\n" _cc_by_sa "${_cc_by_sa}")
string(REPLACE "\n" "\n " _cc_by_sa " ${_cc_by_sa}")
string(REGEX REPLACE "\n \n" "\n .\n" _cc_by_sa "${_cc_by_sa}")
string(REGEX REPLACE "\n \n" "\n .\n" _cc_by_sa "${_cc_by_sa}")
set(KALYXTERON_CC_BY_SA_TEXT "${_cc_by_sa}")
configure_file(packaging/copyright.in ${_doc_folder}/copyright @ONLY)
install(FILES ${_doc_folder}/copyright ${_doc_folder}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# `make package`: a .deb whose dependencies are the Qt 6 libraries the binary
# links (found by dpkg-shlibdeps, libcanberra's and libdbus's among them), the fonts the screens
# and diplomas use, the sound theme whose bell is the beep, the voice (espeak-ng's library with its
# Greek data and the sound server's library, which the program opens at its first utterance) and
# libcups, opened at the first print: dpkg-shlibdeps cannot see those it opens.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalyxteron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill of the four operations for primary-school pupils")
set(CPACK_PACKAGE_DESCRIPTION "A program in Greek with which primary-school pupils practise the sum,
the difference, the product and the quotient with remainder of whole
numbers, earning points, Olympic mascots and a printable diploma.")
set(CPACK_PACKAGE_CONTACT "${KALYXTERON_PACKAGER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# DejaVu is the face of every screen and stands in for the calligraphic one; URW's Z003 is the
# calligraphic face of the home screen and the diplomas, which look right without it too.
# libcups is opened when a diploma is printed: its package is named as this release names it
# (libcups2t64 since Debian 13 and Ubuntu 24.04).
execute_process(COMMAND dpkg-query -W -f=\${Package} libcups2t64 OUTPUT_VARIABLE _cups_package ERROR_QUIET)
if(NOT _cups_package)
    set(_cups_package libcups2)
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-dejavu-core, sound-theme-freedesktop, libespeak-ng1 (>= 1.51), espeak-ng-data, libpulse0, ${_cups_package}")
# libcanberra-pulse: libcanberra's own way to the sound server; without it the beep goes through
# ALSA's default device.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, libcanberra-pulse")
include(CPack)
