# Draws the pictures of the windows and the clip anew into assets/okna and
# assets/Dane (they are kept there); needs ImageMagick's convert for the clip.
add_executable(fazolab_rysuj_okna EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/RysujOkna.cpp)
target_link_libraries(fazolab_rysuj_okna PRIVATE Qt6::Gui)
add_custom_target(fazolab_okna
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:fazolab_rysuj_okna> ${PROJECT_SOURCE_DIR}/assets
    DEPENDS fazolab_rysuj_okna
    COMMENT "Rysowanie obrazkow okien i klipu")

# Checks the committed pictures, clip and help against what the windows expect.
add_executable(test_Zasoby ${CMAKE_CURRENT_LIST_DIR}/test_Zasoby.cpp)
target_compile_definitions(test_Zasoby PRIVATE FAZOLAB_ZASOBY="${PROJECT_SOURCE_DIR}/assets")
target_link_libraries(test_Zasoby PRIVATE Qt6::Gui Qt6::Test)
add_test(NAME test_Zasoby COMMAND test_Zasoby)
set_tests_properties(test_Zasoby PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
