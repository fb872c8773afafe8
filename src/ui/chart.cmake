# The distance chart widget, a library of its own so that it builds and is
# tested apart from the windows that hold it.
add_library(rotamind_chart STATIC
    ${CMAKE_CURRENT_LIST_DIR}/DistanceChart.h
    ${CMAKE_CURRENT_LIST_DIR}/DistanceChart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DistanceChartPainter.h
    ${CMAKE_CURRENT_LIST_DIR}/DistanceChartPainter.cpp)
target_link_libraries(rotamind_chart PUBLIC rotamind_common rotamind_session Qt6::Widgets)
