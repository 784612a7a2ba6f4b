# CMake generated Testfile for 
# Source directory: /work/main/tests/assets
# Build directory: /work/main/b/tests/assets
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[ZasobyTest]=] "/work/main/b/tests/assets/ZasobyTest")
set_tests_properties([=[ZasobyTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/assets/CMakeLists.txt;6;add_test;/work/main/tests/assets/CMakeLists.txt;0;")
