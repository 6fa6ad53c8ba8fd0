# The desktop application: the document architecture, the register window and
# its commands, over the core.
add_library(cheqbook_gui STATIC
  app/AboutWindow.cpp
  app/AppIdentity.cpp
  app/CommandLine.cpp
  app/DocumentController.cpp
  app/DocumentMenus.cpp
  app/DocumentStartup.cpp
  app/HelpMenu.cpp
  app/HelpWindow.cpp
  app/DocumentSafety.cpp
  app/MyDocumentWindow.cpp
  app/PreconditionFailure.cpp
  app/ProcessSignals.cpp
  app/QtToolkit.cpp
  app/Toolkit.cpp
  app/ReopenList.cpp
  app/ShortcutsWindow.cpp
  app/SingleInstance.cpp
  app/WindowMemory.cpp
  fields/descriptionfield.cpp
  register/BalancingCommands.cpp
  register/DateSortCommands.cpp
  register/FindCommands.cpp
  fields/SuggestionList.cpp
  register/ChartCommands.cpp
  register/EntryFieldCommands.cpp
  register/FilterCommands.cpp
  register/ImportPreviewDialog.cpp
  register/ImportPreviewDelegate.cpp
  register/ImportPreviewModel.cpp
  register/MyWindowController.cpp
  register/Preferences.cpp
  register/PrintCommands.cpp
  register/ReconciliationCommands.cpp
  register/RegisterItemDelegate.cpp
  register/RegisterTableModel.cpp
  register/RegisterTableView.cpp
  register/RegisterWindow.cpp
  register/StatementCommands.cpp
  register/StatusBarCommands.cpp
  register/TransactionDeletion.cpp
  register/TransactionEntry.cpp
  register/UndoCommands.cpp
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
target_include_directories(cheqbook_gui PUBLIC app register fields sample)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_core Qt6::Widgets Qt6::PrintSupport Qt6::Network)

# Colours that read on the desktop's palette, for the window and the charts.
add_library(cheqbook_palette STATIC register/PaletteColors.cpp)
target_link_libraries(cheqbook_palette PUBLIC Qt6::Gui)
target_include_directories(cheqbook_palette PUBLIC register)

# The chart window: the only part that needs Qt Charts.
find_package(Qt6 REQUIRED COMPONENTS Charts)
add_library(cheqbook_charts STATIC register/ChartWindow.cpp)
set_target_properties(cheqbook_charts PROPERTIES AUTOMOC ON)
target_link_libraries(cheqbook_charts PUBLIC cheqbook_core cheqbook_palette Qt6::Widgets PRIVATE Qt6::Charts)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_palette cheqbook_charts)

add_executable(cheqbook app/main.cpp)
target_link_libraries(cheqbook PRIVATE cheqbook_gui)
add_dependencies(cheqbook cheqbook-ofx-reader)
target_compile_definitions(cheqbook PRIVATE CHEQBOOK_VERSION="${PROJECT_VERSION}")

# Printing the register needs fonts and painting but no widgets, so that
# cheqbook-cli can print without a display.
add_library(cheqbook_print STATIC register/PrintedRegister.cpp)
target_link_libraries(cheqbook_print PUBLIC cheqbook_core Qt6::Gui)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_print)
target_link_libraries(cheqbook-cli PRIVATE cheqbook_print)
target_compile_definitions(cheqbook-cli PRIVATE CHEQBOOK_PRINT)
