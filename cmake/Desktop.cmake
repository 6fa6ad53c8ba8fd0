# What makes Cheqbook a desktop program once installed: the icon (drawn as
# SVG, rendered to the theme's PNG sizes by the build), the menu entry, the
# register file type, the software-centre description, the manual pages, the
# user's guide and the changelog, and the Debian package that carries them.

include(GNUInstallDirs)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
# Named after the package, where Debian looks for the copyright file.
set(CHEQBOOK_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/cheqbook)
set(CHEQBOOK_APP_ID org.cheqbook.cheqbook)
set(CHEQBOOK_DATA ${PROJECT_SOURCE_DIR}/data)
# The project has no domain of its own yet: the address is on a name kept
# for the purpose (RFC 2606), which can never deliver a user's mail to a
# stranger. Set it when the project has one.
set(CHEQBOOK_MAINTAINER "The Cheqbook developers <developers@cheqbook.example>" CACHE STRING
    "Who answers for the Debian package, as 'Name <address>'")
set(CHEQBOOK_WEB_URL "" CACHE STRING
    "The project's web address, named as its homepage and where the package build's screenshots are published; empty while there is none")

install(TARGETS cheqbook-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the programs look for it, from their own folder: ../libexec/cheqbook.
install(TARGETS cheqbook-ofx-reader RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/cheqbook)
if(TARGET cheqbook-cli-paper)
  install(TARGETS cheqbook-cli-paper RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/cheqbook)
endif()

# The releases, read from the project's history at every build; the files
# change only when a commit or the version does.
set(CHEQBOOK_RELEASE_DIR ${PROJECT_BINARY_DIR}/release)
set(release_date ${CHEQBOOK_RELEASE_DIR}/release-date)
add_custom_target(cheqbook-releases ALL
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/release_history.py
          ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION} ${CHEQBOOK_MAINTAINER} ${CHEQBOOK_RELEASE_DIR}
  BYPRODUCTS ${CHEQBOOK_RELEASE_DIR}/changelog ${CHEQBOOK_RELEASE_DIR}/releases.xml ${release_date}
  COMMENT "Reading the releases from the history"
  VERBATIM)

# Debian installs documentation compressed, without a time stamp in it.
function(cheqbook_install_compressed file destination)
  add_custom_command(
    OUTPUT ${file}.gz
    COMMAND gzip -9nkf ${file}
    DEPENDS ${file}
    VERBATIM)
  get_filename_component(name ${file} NAME)
  add_custom_target(cheqbook-gzip-${name} ALL DEPENDS ${file}.gz)
  install(FILES ${file}.gz DESTINATION ${destination})
endfunction()

# The Debian changelog of a package whose upstream is Debian's too.
cheqbook_install_compressed(${CHEQBOOK_RELEASE_DIR}/changelog ${CHEQBOOK_DOCDIR})

# Manual pages are written from each program's own --help at every build of
# the program, so that the two never disagree; dated by the release.
set(CHEQBOOK_MAN_DIR ${PROJECT_BINARY_DIR}/man)
function(cheqbook_man_page program summary)
  set(page ${CHEQBOOK_MAN_DIR}/${program}.1)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CHEQBOOK_MAN_DIR}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/man_page.py
            --program $<TARGET_FILE:${program}> --name ${program} --summary ${summary}
            --version ${PROJECT_VERSION} --date-file ${release_date} --out ${page} ${ARGN}
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/man_page.py ${release_date}
    COMMENT "Writing the manual page of ${program}"
    VERBATIM)
  add_custom_target(${program}-man ALL DEPENDS ${page})
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

set(cli_see_also)
if(CHEQBOOK_GUI)
  set(cli_see_also --see-also "cheqbook(1)")
endif()
cheqbook_man_page(cheqbook-cli "work on Cheqbook's register files from a shell" --commands ${cli_see_also})

# Debian looks for the licence as a copyright file in machine-readable form.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" notice "${licence}")
set(copyright "${CMAKE_MATCH_1}")
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REGEX REPLACE "\n([^\n])" "\n \\1" licence "${licence}")
string(STRIP "${licence}" licence)
file(WRITE ${PROJECT_BINARY_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Cheqbook\n"
  "Upstream-Contact: ${CHEQBOOK_MAINTAINER}\n\n"
  "Files: *\nCopyright: ${copyright}\nLicense: Expat\n ${licence}\n")
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CHEQBOOK_DOCDIR})

if(CHEQBOOK_GUI)
  install(TARGETS cheqbook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Wayland and the window list match the windows to the menu entry by this.
  target_compile_definitions(cheqbook_gui PRIVATE CHEQBOOK_APP_ID="${CHEQBOOK_APP_ID}")
  install(FILES ${CHEQBOOK_DATA}/${CHEQBOOK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CHEQBOOK_DATA}/cheqbook-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME cheqbook.xml)
  install(FILES ${CHEQBOOK_DATA}/icons/cheqbook.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # What lintian finds that is not so, each with the reason.
  install(FILES ${CHEQBOOK_DATA}/cheqbook.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          RENAME cheqbook)

  set(CHEQBOOK_METAINFO ${PROJECT_BINARY_DIR}/${CHEQBOOK_APP_ID}.metainfo.xml)
  add_custom_command(
    OUTPUT ${CHEQBOOK_METAINFO}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/metainfo.py
            ${CHEQBOOK_DATA}/${CHEQBOOK_APP_ID}.metainfo.xml.in ${CHEQBOOK_RELEASE_DIR}/releases.xml
            ${PROJECT_VERSION} "${CHEQBOOK_WEB_URL}" ${CHEQBOOK_METAINFO}
    DEPENDS ${CHEQBOOK_DATA}/${CHEQBOOK_APP_ID}.metainfo.xml.in ${CHEQBOOK_RELEASE_DIR}/releases.xml
            ${PROJECT_SOURCE_DIR}/cmake/metainfo.py
    COMMENT "Writing the software-centre description"
    VERBATIM)
  add_custom_target(cheqbook-metainfo ALL DEPENDS ${CHEQBOOK_METAINFO})
  install(FILES ${CHEQBOOK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  cheqbook_man_page(cheqbook "checkbook register for the desktop" --all-options=--help-all
                    --see-also "cheqbook-cli(1)"
                    --see-also-text "The user's guide: Help > Cheqbook Help, and user-guide.md.gz among Cheqbook's documentation.")

  # The PNG sizes of the icon, for the theme and for the windows.
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon_svg ${CHEQBOOK_DATA}/icons/cheqbook.svg)
  set(icon_resources)
  foreach(size 16 22 24 32 48 64 128 256)
    set(dir ${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps)
    add_custom_command(
      OUTPUT ${dir}/cheqbook.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${dir}/cheqbook.png ${icon_svg}
      DEPENDS ${icon_svg}
      VERBATIM)
    install(FILES ${dir}/cheqbook.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    set_source_files_properties(${dir}/cheqbook.png PROPERTIES QT_RESOURCE_ALIAS icons/cheqbook-${size}.png)
    list(APPEND icon_resources ${dir}/cheqbook.png)
  endforeach()

  # The Help window's guide is the README's; so is the one installed for
  # users beside the changelog, without the README's developer sections.
  set(user_guide ${PROJECT_BINARY_DIR}/help/user-guide.md)
  add_custom_command(
    OUTPUT ${user_guide}
    COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md -DOUT=${user_guide}
            -P ${PROJECT_SOURCE_DIR}/cmake/UserGuide.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/UserGuide.cmake
    VERBATIM)
  cheqbook_install_compressed(${user_guide} ${CHEQBOOK_DOCDIR})
  set_source_files_properties(${user_guide} PROPERTIES QT_RESOURCE_ALIAS help/user-guide.md)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/LICENSE PROPERTIES QT_RESOURCE_ALIAS help/LICENSE)
  qt_add_resources(cheqbook_gui cheqbook_resources PREFIX /
    FILES ${icon_resources} ${user_guide} ${PROJECT_SOURCE_DIR}/LICENSE)
endif()

# The programs as Debian strips them: no symbols, and none of the sections
# that name the compiler (.comment) or are left over from linking (.note),
# which nothing reads at run time.
set(stripped ${CMAKE_INSTALL_BINDIR}/cheqbook-cli ${CMAKE_INSTALL_LIBEXECDIR}/cheqbook/cheqbook-ofx-reader)
if(TARGET cheqbook-cli-paper)
  list(APPEND stripped ${CMAKE_INSTALL_LIBEXECDIR}/cheqbook/cheqbook-cli-paper)
endif()
if(CHEQBOOK_GUI)
  list(APPEND stripped ${CMAKE_INSTALL_BINDIR}/cheqbook)
endif()
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program ${stripped})
      execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment --remove-section=.note
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                      RESULT_VARIABLE status)
      if(NOT status EQUAL 0)
        message(FATAL_ERROR \"Could not strip \${program}\")
      endif()
    endforeach()
  endif()")

# The Debian package: `scripts/package`. Its dependencies are read from the
# programs by dpkg-shlibdeps. The one named here is loaded by Qt at run time,
# where dpkg-shlibdeps cannot see it: without a platform plugin no window
# can open.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cheqbook)
set(CPACK_PACKAGE_VENDOR "The Cheqbook developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checkbook register for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
  "Cheqbook keeps a checking account the way a paper check register does:"
  "one line per check, deposit or card payment, with the balance after each"
  "one worked out to the cent. It imports bank statements (OFX, QFX and CSV),"
  "balances the month against the bank's statement, charts where the money"
  "goes and starts a new year from the carried balance. cheqbook-cli does the"
  "same file work from a shell.")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders as Debian has them, whatever the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CHEQBOOK_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CHEQBOOK_WEB_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CHEQBOOK_WEB_URL}")
endif()
if(CHEQBOOK_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
# qt6-translations-l10n: the buttons of Qt's dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme, qt6-translations-l10n")
include(CPack)
