# The desktop application: the document architecture, the register window and
# its commands, over the core.
add_library(cheqbook_gui STATIC
  app/help/AboutWindow.cpp
  app/help/AppIdentity.cpp
  app/desktop/CommandLine.cpp
  app/desktop/DocumentController.cpp
  app/desktop/DocumentMenus.cpp
  app/desktop/DocumentStartup.cpp
  app/help/HelpMenu.cpp
  app/help/HelpWindow.cpp
  app/desktop/DocumentSafety.cpp
  app/desktop/MyDocumentWindow.cpp
  app/money/PreconditionFailure.cpp
  app/desktop/ProcessSignals.cpp
  app/toolkit/QtToolkit.cpp
  app/toolkit/Toolkit.cpp
  app/desktop/ReopenList.cpp
  app/help/ShortcutsWindow.cpp
  app/desktop/SingleInstance.cpp
  app/toolkit/WindowKeys.cpp
  app/desktop/WindowMemory.cpp
  fields/descriptionfield.cpp
  register/balancing/BalancingCommands.cpp
  register/checks/CheckCommands.cpp
  register/checks/CheckPrintDialog.cpp
  register/checks/CheckPrinting.cpp
  register/sortfind/DateSortCommands.cpp
  register/sortfind/FindCommands.cpp
  fields/SuggestionList.cpp
  register/charts/ChartCommands.cpp
  register/entry/EntryFieldCommands.cpp
  register/filter/FilterCommands.cpp
  register/import/preview/ImportPreviewDialog.cpp
  register/import/preview/ImportPreviewDelegate.cpp
  register/import/preview/ImportPreviewModel.cpp
  register/window/MyWindowController.cpp
  register/window/Preferences.cpp
  register/print/PrintCommands.cpp
  register/balancing/ReconciliationCommands.cpp
  register/table/RegisterItemDelegate.cpp
  register/table/RegisterTableModel.cpp
  register/table/RegisterTableView.cpp
  register/window/RegisterWindow.cpp
  register/import/preview/StatementCommands.cpp
  register/window/StatusBarCommands.cpp
  register/entry/TransactionDeletion.cpp
  register/entry/TransactionEntry.cpp
  register/window/UndoCommands.cpp
  resources/EOMDrawer.ui
  resources/Find.ui
  resources/MyDocument.ui
  resources/Preferences.ui
  resources/SortQuestion.ui
  sample/MyScrollView.cpp
)
set_target_properties(cheqbook_gui PROPERTIES
  AUTOMOC ON
  AUTOUIC ON
  AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/resources)
target_include_directories(cheqbook_gui PUBLIC
  ${CHEQBOOK_FOLDERS} app/desktop app/help app/toolkit register/window fields sample)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_core Qt6::Widgets Qt6::PrintSupport Qt6::Network)

# Colours that read on the desktop's palette, for the window and the charts.
add_library(cheqbook_palette STATIC register/table/PaletteColors.cpp)
target_link_libraries(cheqbook_palette PUBLIC Qt6::Gui)
target_include_directories(cheqbook_palette PUBLIC register/table)

# The chart window: the only part that needs Qt Charts.
find_package(Qt6 REQUIRED COMPONENTS Charts)
add_library(cheqbook_charts STATIC register/charts/ChartWindow.cpp)
set_target_properties(cheqbook_charts PROPERTIES AUTOMOC ON)
target_link_libraries(cheqbook_charts PUBLIC cheqbook_core cheqbook_palette Qt6::Widgets PRIVATE Qt6::Charts)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_palette cheqbook_charts)

add_executable(cheqbook app/main.cpp)
target_link_libraries(cheqbook PRIVATE cheqbook_gui)
add_dependencies(cheqbook cheqbook-ofx-reader)
target_compile_definitions(cheqbook PRIVATE CHEQBOOK_VERSION="${PROJECT_VERSION}")

# Printing the register needs fonts and painting but no widgets, so that
# cheqbook-cli can print without a display.
add_library(cheqbook_print STATIC register/print/PrintedRegister.cpp register/checks/CheckPrinter.cpp)
target_link_libraries(cheqbook_print PUBLIC cheqbook_core Qt6::Gui)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_print)
target_link_libraries(cheqbook-cli PRIVATE cheqbook_print)
target_sources(cheqbook-cli PRIVATE cli/PrintChecksCommand.cpp)
target_compile_definitions(cheqbook-cli PRIVATE CHEQBOOK_PRINT)
