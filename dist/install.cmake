# What an install adds besides the program and its images: the menu entries, the AppStream
# metadata, the icons, the screen-saver entries and the link their hosts start the program from,
# the manual page, the copyright and the changelog. The manual page and the metadata get the
# release's version and date; the manual page and the changelog are compressed as distributions
# ship them (gzip -9n: smallest, and no file name or time inside, so the same sources give the
# same bytes).
set(GYROTRAK_MAINTAINER "The Gyrotrak developers <gyrotrak@users.noreply.github.com>" CACHE STRING
  "Who signs the Debian changelog and maintains the Debian package")
set(dist ${CMAKE_CURRENT_LIST_DIR})
set(generated ${PROJECT_BINARY_DIR}/dist)

configure_file(${dist}/gyrotrak.6.in ${generated}/gyrotrak.6 @ONLY)
configure_file(${dist}/io.github.gyrotrak.Gyrotrak.metainfo.xml.in
  ${generated}/io.github.gyrotrak.Gyrotrak.metainfo.xml @ONLY)

# The copyright file in Debian's machine-readable form, with LICENSE's holders and terms.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence_text)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" holders "${licence_text}")
set(GYROTRAK_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*\n(Permission is hereby granted)" "\\1" licence_text "${licence_text}")
string(REGEX REPLACE "\n+$" "" licence_text "${licence_text}")
string(REGEX REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
string(REGEX REPLACE "\n" "\n " GYROTRAK_LICENCE_TEXT " ${licence_text}")
configure_file(${dist}/copyright.in ${generated}/copyright @ONLY)

add_custom_command(OUTPUT ${generated}/gyrotrak.6.gz
  COMMAND gzip -9n -c ${generated}/gyrotrak.6 > ${generated}/gyrotrak.6.gz
  DEPENDS ${generated}/gyrotrak.6 VERBATIM)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${PROJECT_SOURCE_DIR}/tools/debian_changelog.sh ${PROJECT_SOURCE_DIR}/CHANGELOG.md
    ${GYROTRAK_MAINTAINER} | gzip -9n > ${generated}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/tools/debian_changelog.sh
  VERBATIM)
add_custom_target(dist_files ALL DEPENDS ${generated}/gyrotrak.6.gz ${generated}/changelog.gz)

install(FILES ${dist}/io.github.gyrotrak.Gyrotrak.desktop ${dist}/gyrotrak.desktop
  DESTINATION share/applications)
install(FILES ${generated}/io.github.gyrotrak.Gyrotrak.metainfo.xml DESTINATION share/metainfo)
# Made from the program's own picture by tools/make_icons.sh.
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${dist}/icons/gyrotrak-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
    RENAME gyrotrak.png)
endforeach()
# What screen-saver hosts read to list the program: a desktop entry of their own, and the
# classic host's description.
install(FILES ${dist}/gyrotrak-screensaver.desktop DESTINATION share/applications/screensavers
  RENAME gyrotrak.desktop)
install(FILES ${dist}/gyrotrak.xml DESTINATION share/xscreensaver/config)
# The hosts start a listed program only from their own folders, libexec/xscreensaver among them,
# never from PATH: a link there to the installed program. It is relative, so that a staged tree
# and the package point at their own copy.
file(RELATIVE_PATH program_from_hosts /libexec/xscreensaver /${GYROTRAK_INSTALL_BINDIR}/gyrotrak)
file(MAKE_DIRECTORY ${generated}/screensaver-link)
file(CREATE_LINK ${program_from_hosts} ${generated}/screensaver-link/gyrotrak SYMBOLIC)
install(FILES ${generated}/screensaver-link/gyrotrak DESTINATION libexec/xscreensaver)
install(FILES ${generated}/gyrotrak.6.gz DESTINATION share/man/man6)
install(FILES ${generated}/copyright ${generated}/changelog.gz DESTINATION share/doc/gyrotrak)
unset(licence_text)
unset(holders)
unset(program_from_hosts)
