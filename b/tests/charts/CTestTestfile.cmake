# CMake generated Testfile for 
# Source directory: /work/main/tests/charts
# Build directory: /work/main/b/tests/charts
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[FormatLiczbyTest]=] "/work/main/b/tests/charts/FormatLiczbyTest")
set_tests_properties([=[FormatLiczbyTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/charts/CMakeLists.txt;8;add_test;/work/main/tests/charts/CMakeLists.txt;0;")
add_test([=[OsWykresuTest]=] "/work/main/b/tests/charts/OsWykresuTest")
set_tests_properties([=[OsWykresuTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/charts/CMakeLists.txt;8;add_test;/work/main/tests/charts/CMakeLists.txt;0;")
add_test([=[PrzerzedzenieLiniiTest]=] "/work/main/b/tests/charts/PrzerzedzenieLiniiTest")
set_tests_properties([=[PrzerzedzenieLiniiTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/charts/CMakeLists.txt;8;add_test;/work/main/tests/charts/CMakeLists.txt;0;")
add_test([=[WykresTest]=] "/work/main/b/tests/charts/WykresTest")
set_tests_properties([=[WykresTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/charts/CMakeLists.txt;8;add_test;/work/main/tests/charts/CMakeLists.txt;0;")
add_test([=[MenuWykresuTest]=] "/work/main/b/tests/charts/MenuWykresuTest")
set_tests_properties([=[MenuWykresuTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen" _BACKTRACE_TRIPLES "/work/main/tests/charts/CMakeLists.txt;8;add_test;/work/main/tests/charts/CMakeLists.txt;0;")
