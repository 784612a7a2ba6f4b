# CMake generated Testfile for 
# Source directory: /work/wt24/tests/cli
# Build directory: /work/wt24/bs/tests/cli
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt24/bs/tests/cli/fazolab_batch_tests[1]_include.cmake")
