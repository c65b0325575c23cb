# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
# Installation and the Debian package.
#
#   cmake --install build --prefix /usr      the binary, desktop entry, icons, metainfo,
#                                            session bus activation file, manual page,
#                                            bash completion and package documents
#   (cd build && cpack -G DEB)               velmaro_<version>_<arch>.deb
include(GNUInstallDirs)

set(VELMARO_APPSTREAM_ID "example.velmaro.Velmaro")
set(VELMARO_MAINTAINER "The Velmaro developers <${VELMARO_MAKER_EMAIL}>")
set(data ${PROJECT_SOURCE_DIR}/data)
set(out ${PROJECT_BINARY_DIR}/data)

configure_file(${data}/velmaro.metainfo.xml.in ${out}/${VELMARO_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(${data}/velmaro.1 ${out}/velmaro.1 @ONLY)
configure_file(${data}/velmaro.es.1 ${out}/es/velmaro.1 @ONLY)
configure_file(${data}/changelog ${out}/changelog @ONLY)

# Debian wants the manual page and the change log compressed, without a time stamp.
foreach(doc velmaro.1 es/velmaro.1 changelog)
  add_custom_command(OUTPUT ${out}/${doc}.gz
    COMMAND gzip -9n -c ${out}/${doc} > ${out}/${doc}.gz
    DEPENDS ${out}/${doc} VERBATIM)
endforeach()

# The PNG icons are drawn from the one SVG at build time, by the tool that draws the
# built-in pictures (src/strip/icons).
set(icon_pngs)
foreach(size 16 22 24 32 48 64 128 256)
  set(folder ${out}/icons/${size}x${size}/apps)
  add_custom_command(OUTPUT ${folder}/velmaro.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND velmaro_render_picture ${data}/icons/velmaro.svg ${folder}/velmaro.png ${size} ${size}
    DEPENDS velmaro_render_picture ${data}/icons/velmaro.svg VERBATIM)
  list(APPEND icon_pngs ${folder}/velmaro.png)
endforeach()
add_custom_target(velmaro_data ALL DEPENDS ${icon_pngs} ${out}/velmaro.1.gz ${out}/es/velmaro.1.gz
  ${out}/changelog.gz)

install(TARGETS velmaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${data}/${VELMARO_APPSTREAM_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${out}/${VELMARO_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The bus activation file names the binary where the installation puts it: made at
# install time, since cpack installs under /usr whatever prefix the build was given.
install(CODE "
  set(CMAKE_INSTALL_FULL_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  configure_file(${data}/${VELMARO_APPSTREAM_ID}.service
    ${out}/installed/${VELMARO_APPSTREAM_ID}.service @ONLY)
  file(INSTALL ${out}/installed/${VELMARO_APPSTREAM_ID}.service
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\")
")
install(FILES ${data}/icons/velmaro.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${out}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${out}/velmaro.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${out}/es/velmaro.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man1)
install(FILES ${data}/velmaro.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME velmaro)
install(FILES ${data}/copyright ${out}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELMARO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "strip of short notes on the desktop, with alarms")
set(CPACK_PACKAGE_DESCRIPTION "Velmaro keeps short notes in a narrow strip on the desktop, each
with a priority mark. The strip can stay above other windows, be
dragged anywhere or hide in the notification area. A note can carry
an alarm with its own sound. Notes can be listed, printed and
archived; the strip also opens a month calendar, starts a few chosen
programs and runs a web search. Its texts are in Spanish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMARO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VELMARO_MAKER_WEB})
# dpkg-shlibdeps reads the modules in ${libdir}/velmaro too, so what only they link
# (Qt Svg, Qt Print Support, Qt Multimedia, libwmf, libemf2svg) is a dependency as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads or calls at run time that the linker does not see: the X11
# platform plugin, picture formats, the sound back end, links and launchers
# (xdg-open, gio), the alarm's fallback sound, the command icons' theme and Qt's
# Spanish texts for the standard dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-image-formats-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, xdg-utils, libglib2.0-bin, sound-theme-freedesktop, adwaita-icon-theme, hicolor-icon-theme, qt6-translations-l10n")
include(CPack)
