# CMake generated Testfile for 
# Source directory: /work/wt24/tests/results
# Build directory: /work/wt24/bs/tests/results
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt24/bs/tests/results/fazolab_results_tests[1]_include.cmake")
