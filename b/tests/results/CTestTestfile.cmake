# CMake generated Testfile for 
# Source directory: /work/main/tests/results
# Build directory: /work/main/b/tests/results
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/b/tests/results/fazolab_results_tests[1]_include.cmake")
