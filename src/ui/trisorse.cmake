# The never-shown holder of the wheel pictures.
add_library(rotamind_trisorse STATIC TRISORSE.h TRISORSE.cpp)
target_link_libraries(rotamind_trisorse PUBLIC rotamind_common Qt6::Widgets rotamind_assets)
