# CMake generated Testfile for 
# Source directory: /work/main/tests/simwindow
# Build directory: /work/main/b/tests/simwindow
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[UstawieniaTest]=] "/work/main/b/tests/simwindow/UstawieniaTest")
set_tests_properties([=[UstawieniaTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=/work/main/b/tests/simwindow/konfiguracja" _BACKTRACE_TRIPLES "/work/main/tests/simwindow/CMakeLists.txt;9;add_test;/work/main/tests/simwindow/CMakeLists.txt;0;")
add_test([=[EtapyTest]=] "/work/main/b/tests/simwindow/EtapyTest")
set_tests_properties([=[EtapyTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=/work/main/b/tests/simwindow/konfiguracja" _BACKTRACE_TRIPLES "/work/main/tests/simwindow/CMakeLists.txt;9;add_test;/work/main/tests/simwindow/CMakeLists.txt;0;")
add_test([=[WynikiTest]=] "/work/main/b/tests/simwindow/WynikiTest")
set_tests_properties([=[WynikiTest]=] PROPERTIES  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=/work/main/b/tests/simwindow/konfiguracja" _BACKTRACE_TRIPLES "/work/main/tests/simwindow/CMakeLists.txt;9;add_test;/work/main/tests/simwindow/CMakeLists.txt;0;")
