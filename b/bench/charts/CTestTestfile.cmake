# CMake generated Testfile for 
# Source directory: /work/main/bench/charts
# Build directory: /work/main/b/bench/charts
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[fazolab_charts_bench]=] "/work/main/b/bench/charts/fazolab_charts_bench" "--benchmark_min_time=0.01")
set_tests_properties([=[fazolab_charts_bench]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/bench/charts/CMakeLists.txt;5;add_test;/work/main/bench/charts/CMakeLists.txt;0;")
