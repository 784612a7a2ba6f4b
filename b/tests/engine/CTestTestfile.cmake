# CMake generated Testfile for 
# Source directory: /work/main/tests/engine
# Build directory: /work/main/b/tests/engine
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/b/tests/engine/fazolab_engine_tests[1]_include.cmake")
include("/work/main/b/tests/engine/fazolab_engine_alloc_tests[1]_include.cmake")
