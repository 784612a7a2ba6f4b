# Tests of the nine charts of the simulation window (offscreen Qt). The test
# also leaves a picture of every chart in wykresy_png/ of its build folder.
add_executable(test_WykresySymulacji ${CMAKE_CURRENT_SOURCE_DIR}/test_WykresySymulacji.cpp)
target_link_libraries(test_WykresySymulacji PRIVATE fazolab_charts Qt6::Test)
add_test(NAME test_WykresySymulacji COMMAND test_WykresySymulacji)
set_tests_properties(test_WykresySymulacji PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
