# The window layer: the desktop shell, the register window and each feature's
# window side, over the core. Its sources are listed by each feature folder's
# CMakeLists.txt; the forms here are found by name from them.
add_library(cheqbook_gui STATIC
  resources/EOMDrawer.ui
  resources/Find.ui
  resources/MyDocument.ui
  resources/Preferences.ui
  resources/SortQuestion.ui
)
set_target_properties(cheqbook_gui PROPERTIES
  AUTOMOC ON
  AUTOUIC ON
  AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/resources)
set(CHEQBOOK_WINDOW_FOLDERS app/desktop app/help app/toolkit register/window fields sample)
target_include_directories(cheqbook_gui PUBLIC ${CHEQBOOK_FOLDERS} ${CHEQBOOK_WINDOW_FOLDERS})
target_link_libraries(cheqbook_gui PUBLIC cheqbook_core Qt6::Widgets Qt6::PrintSupport Qt6::Network)

# Colours that read on the desktop's palette, for the window and the charts.
add_library(cheqbook_palette STATIC)
target_link_libraries(cheqbook_palette PUBLIC Qt6::Gui)
target_include_directories(cheqbook_palette PUBLIC register/table)

# The chart window: the only part that needs Qt Charts.
find_package(Qt6 REQUIRED COMPONENTS Charts)
add_library(cheqbook_charts STATIC)
set_target_properties(cheqbook_charts PROPERTIES AUTOMOC ON)
target_link_libraries(cheqbook_charts PUBLIC cheqbook_core cheqbook_palette Qt6::Widgets PRIVATE Qt6::Charts)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_palette cheqbook_charts)

add_executable(cheqbook app/main.cpp)
target_link_libraries(cheqbook PRIVATE cheqbook_gui)
add_dependencies(cheqbook cheqbook-ofx-reader)
target_compile_definitions(cheqbook PRIVATE CHEQBOOK_VERSION="${PROJECT_VERSION}")

# Printing the register needs fonts and painting but no widgets, so that
# cheqbook-cli can print without a display.
add_library(cheqbook_print STATIC)
target_link_libraries(cheqbook_print PUBLIC cheqbook_core Qt6::Gui)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_print)
