# CMake generated Testfile for 
# Source directory: /work/main/tests/widgets
# Build directory: /work/main/b/tests/widgets
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[KontrolkiTest]=] "/work/main/b/tests/widgets/KontrolkiTest")
set_tests_properties([=[KontrolkiTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/widgets/CMakeLists.txt;7;add_test;/work/main/tests/widgets/CMakeLists.txt;0;")
add_test([=[PomocTest]=] "/work/main/b/tests/widgets/PomocTest")
set_tests_properties([=[PomocTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/widgets/CMakeLists.txt;7;add_test;/work/main/tests/widgets/CMakeLists.txt;0;")
