# The flat lattice drawing and the 3D point view of the computation page.
add_library(fazolab_lattice_view STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/ILAtomy.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ObrazSieci.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/RysunekSieci.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TRot3D.cpp
    ${PROJECT_SOURCE_DIR}/assets/atomy/atomy.qrc
)
target_include_directories(fazolab_lattice_view PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fazolab_lattice_view PUBLIC fazolab_engine Qt6::Widgets)
