# CMake generated Testfile for 
# Source directory: /work/main/display
# Build directory: /work/main/b/display
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
