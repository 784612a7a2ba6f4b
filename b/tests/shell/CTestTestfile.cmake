# CMake generated Testfile for 
# Source directory: /work/main/tests/shell
# Build directory: /work/main/b/tests/shell
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[TLogoTest]=] "/work/main/b/tests/shell/TLogoTest")
set_tests_properties([=[TLogoTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/shell/CMakeLists.txt;7;add_test;/work/main/tests/shell/CMakeLists.txt;0;")
add_test([=[TPrgTest]=] "/work/main/b/tests/shell/TPrgTest")
set_tests_properties([=[TPrgTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/shell/CMakeLists.txt;7;add_test;/work/main/tests/shell/CMakeLists.txt;0;")
add_test([=[ProgramTest]=] "xvfb-run" "-a" "-s" "-screen 0 1024x768x24" "/work/main/b/tests/shell/ProgramTest")
set_tests_properties([=[ProgramTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=xcb" _BACKTRACE_TRIPLES "/work/main/tests/shell/CMakeLists.txt;16;add_test;/work/main/tests/shell/CMakeLists.txt;0;")
