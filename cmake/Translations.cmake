# Cheqbook in German and French: the translations in translations/*.ts are
# made into .qm files by Qt's lrelease at every build and built into the
# program with the translated user's guides, so that a copy of the program
# can never be without them. scripts/update-translations brings the .ts
# files in step with the texts of the sources.

find_program(CHEQBOOK_LRELEASE NAMES lrelease-qt6 lrelease
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin
  NO_DEFAULT_PATH)
find_program(CHEQBOOK_LUPDATE NAMES lupdate-qt6 lupdate
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin
  NO_DEFAULT_PATH)
if(NOT CHEQBOOK_LRELEASE OR NOT CHEQBOOK_LUPDATE)
  message(FATAL_ERROR "Qt 6's lrelease and lupdate are missing: install qt6-l10n-tools (scripts/install-deps)")
endif()

set(CHEQBOOK_LANGUAGES de fr)
set(CHEQBOOK_TRANSLATIONS ${PROJECT_SOURCE_DIR}/translations)
set(translation_resources)
foreach(language ${CHEQBOOK_LANGUAGES})
  set(ts ${CHEQBOOK_TRANSLATIONS}/cheqbook_${language}.ts)
  set(qm ${PROJECT_BINARY_DIR}/i18n/cheqbook_${language}.qm)
  add_custom_command(
    OUTPUT ${qm}
    COMMAND ${CHEQBOOK_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Making the ${language} translation"
    VERBATIM)
  set_source_files_properties(${qm} PROPERTIES QT_RESOURCE_ALIAS i18n/cheqbook_${language}.qm)
  # The guide is copied into the build, where its compressed copy is made.
  set(guide ${PROJECT_BINARY_DIR}/help/user-guide.${language}.md)
  configure_file(${CHEQBOOK_TRANSLATIONS}/user-guide.${language}.md ${guide} COPYONLY)
  set_source_files_properties(${guide} PROPERTIES QT_RESOURCE_ALIAS help/user-guide.${language}.md)
  list(APPEND translation_resources ${qm} ${guide})
  cheqbook_install_compressed(${guide} ${CHEQBOOK_DOCDIR})
endforeach()
qt_add_resources(cheqbook_gui cheqbook_translations PREFIX / FILES ${translation_resources})
