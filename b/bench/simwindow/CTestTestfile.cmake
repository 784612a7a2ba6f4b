# CMake generated Testfile for 
# Source directory: /work/main/bench/simwindow
# Build directory: /work/main/b/bench/simwindow
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
