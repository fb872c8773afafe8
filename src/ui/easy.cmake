# The EASY working window, built on the pieces it shares with PRO and on the
# session commands.
add_library(rotamind_easy STATIC
    ${CMAKE_CURRENT_LIST_DIR}/TEASY.h
    ${CMAKE_CURRENT_LIST_DIR}/TEASY.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TEASYLayout.cpp)
target_link_libraries(rotamind_easy PUBLIC rotamind_common rotamind_ui rotamind_files Qt6::Widgets)
