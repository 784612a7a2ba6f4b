# CMake generated Testfile for 
# Source directory: /work/main/tests/display
# Build directory: /work/main/b/tests/display
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[RysunekSieciTest]=] "/work/main/b/tests/display/RysunekSieciTest")
set_tests_properties([=[RysunekSieciTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/display/CMakeLists.txt;8;add_test;/work/main/tests/display/CMakeLists.txt;0;")
add_test([=[TRot3DTest]=] "/work/main/b/tests/display/TRot3DTest")
set_tests_properties([=[TRot3DTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/display/CMakeLists.txt;8;add_test;/work/main/tests/display/CMakeLists.txt;0;")
add_test([=[WykresySymulacjiTest]=] "/work/main/b/tests/display/WykresySymulacjiTest")
set_tests_properties([=[WykresySymulacjiTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/display/CMakeLists.txt;8;add_test;/work/main/tests/display/CMakeLists.txt;0;")
