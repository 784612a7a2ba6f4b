# CMake generated Testfile for 
# Source directory: /work/main/simwindow
# Build directory: /work/main/b/simwindow
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
