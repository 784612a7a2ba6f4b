# Benchmarks of one redraw of the flat lattice drawing and of one 3D paint.
add_executable(bench_RysunekSieci ${CMAKE_CURRENT_SOURCE_DIR}/bench_RysunekSieci.cpp)
target_link_libraries(bench_RysunekSieci PRIVATE fazolab_lattice_view benchmark::benchmark)
