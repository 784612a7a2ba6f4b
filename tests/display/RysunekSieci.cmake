# Tests of the flat lattice drawing and of the 3D point view (offscreen Qt).
foreach(test IN ITEMS test_RysunekSieci test_TRot3D)
    add_executable(${test} ${CMAKE_CURRENT_SOURCE_DIR}/${test}.cpp)
    target_link_libraries(${test} PRIVATE fazolab_lattice_view Qt6::Test)
    add_test(NAME ${test} COMMAND ${test})
    set_tests_properties(${test} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()
