# The desktop application: the document architecture, the register window and
# its commands, over the core.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTOUIC ON)
set(CMAKE_AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/resources)

add_library(cheqbook_gui STATIC
  app/MyDocumentWindow.cpp
  sample/MyScrollView.cpp
)
target_include_directories(cheqbook_gui PUBLIC app register fields sample)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_core Qt6::Widgets Qt6::PrintSupport)

add_executable(cheqbook app/main.cpp)
target_link_libraries(cheqbook PRIVATE cheqbook_gui)

# Printing the register needs fonts and painting but no widgets, so that
# cheqbook-cli can print without a display.
add_library(cheqbook_print STATIC register/PrintedRegister.cpp)
target_link_libraries(cheqbook_print PUBLIC cheqbook_core Qt6::Gui)
target_link_libraries(cheqbook_gui PUBLIC cheqbook_print)
target_link_libraries(cheqbook-cli PRIVATE cheqbook_print)
target_compile_definitions(cheqbook-cli PRIVATE CHEQBOOK_PRINT)
