# The save and load commands shared by the PRO and EASY windows, the
# automatic-save dialog and the Italian texts of Qt's own dialogs.
add_library(rotamind_files STATIC
    ${CMAKE_CURRENT_LIST_DIR}/LazyFileDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/LazyFileDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SessionCommands.h
    ${CMAKE_CURRENT_LIST_DIR}/SessionCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SessionCommandsDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/SessionCommandsDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TSALVA.h
    ${CMAKE_CURRENT_LIST_DIR}/TSALVA.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Translations.h
    ${CMAKE_CURRENT_LIST_DIR}/Translations.cpp)
target_link_libraries(rotamind_files PUBLIC rotamind_storage rotamind_chart rotamind_common Qt6::Widgets)
