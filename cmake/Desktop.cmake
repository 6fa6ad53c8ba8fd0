# What makes Cheqbook a desktop program once installed: the icon (drawn as
# SVG, rendered to the theme's PNG sizes by the build), the menu entry, the
# register file type, the software-centre description, the manual page, and
# the Debian package that carries them.

include(GNUInstallDirs)
# Named after the package, where Debian looks for the copyright file.
set(CHEQBOOK_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/cheqbook)
set(CHEQBOOK_APP_ID org.cheqbook.Cheqbook)
set(CHEQBOOK_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS cheqbook-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The manual page is written from the program's own --help each time the
# program is built, so the two never disagree.
set(CHEQBOOK_MAN_PAGE ${PROJECT_BINARY_DIR}/man/cheqbook-cli.1)
add_custom_command(
  OUTPUT ${CHEQBOOK_MAN_PAGE} ${CHEQBOOK_MAN_PAGE}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:cheqbook-cli> -DVERSION=${PROJECT_VERSION}
          -DOUT=${CHEQBOOK_MAN_PAGE} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS cheqbook-cli ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
  COMMENT "Writing the manual page of cheqbook-cli"
  VERBATIM)
add_custom_target(cheqbook-cli-man ALL DEPENDS ${CHEQBOOK_MAN_PAGE})
install(FILES ${CHEQBOOK_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES README.md DESTINATION ${CHEQBOOK_DOCDIR})
# Debian looks for the licence as a copyright file in machine-readable form.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REGEX REPLACE "\n([^\n])" "\n \\1" licence "${licence}")
file(WRITE ${PROJECT_BINARY_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Cheqbook\n\n"
  "Files: *\nCopyright: The Cheqbook developers\nLicense: Expat\n ${licence}")
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CHEQBOOK_DOCDIR})

if(CHEQBOOK_GUI)
  install(TARGETS cheqbook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CHEQBOOK_DATA}/${CHEQBOOK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CHEQBOOK_DATA}/${CHEQBOOK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${CHEQBOOK_DATA}/cheqbook-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME cheqbook.xml)
  install(FILES ${CHEQBOOK_DATA}/icons/cheqbook.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

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

  # The Help window's guide is the README's.
  set(user_guide ${PROJECT_BINARY_DIR}/help/user-guide.md)
  add_custom_command(
    OUTPUT ${user_guide}
    COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md -DOUT=${user_guide}
            -P ${PROJECT_SOURCE_DIR}/cmake/UserGuide.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/cmake/UserGuide.cmake
    VERBATIM)
  set_source_files_properties(${user_guide} PROPERTIES QT_RESOURCE_ALIAS help/user-guide.md)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/LICENSE PROPERTIES QT_RESOURCE_ALIAS help/LICENSE)
  qt_add_resources(cheqbook_gui cheqbook_resources PREFIX /
    FILES ${icon_resources} ${user_guide} ${PROJECT_SOURCE_DIR}/LICENSE)
endif()

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
  "one worked out to the cent. It imports bank statements, balances the"
  "month against the bank's statement and starts a new year from the"
  "carried balance. cheqbook-cli does the same file work from a shell.")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Cheqbook developers")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CHEQBOOK_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
