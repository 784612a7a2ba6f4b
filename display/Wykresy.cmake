# The nine charts of the simulation window, with their axis glyphs.
add_library(fazolab_charts STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/WykresySymulacji.cpp
    ${PROJECT_SOURCE_DIR}/assets/wykresy/wykresy.qrc
)
target_include_directories(fazolab_charts PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(fazolab_charts PUBLIC fazolab_widgets fazolab_engine)

# Draws the glyph pictures anew into assets/wykresy (they are kept there).
add_executable(fazolab_rysuj_glify EXCLUDE_FROM_ALL
    ${PROJECT_SOURCE_DIR}/assets/wykresy/RysujGlify.cpp)
target_link_libraries(fazolab_rysuj_glify PRIVATE Qt6::Gui)
add_custom_target(fazolab_glify_wykresow
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:fazolab_rysuj_glify> ${PROJECT_SOURCE_DIR}/assets/wykresy
    DEPENDS fazolab_rysuj_glify
    COMMENT "Rysowanie glifow osi wykresow")
