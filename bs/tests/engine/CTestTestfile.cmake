# CMake generated Testfile for 
# Source directory: /work/wt24/tests/engine
# Build directory: /work/wt24/bs/tests/engine
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/wt24/bs/tests/engine/fazolab_engine_tests[1]_include.cmake")
include("/work/wt24/bs/tests/engine/fazolab_engine_alloc_tests[1]_include.cmake")
