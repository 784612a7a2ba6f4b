# CMake generated Testfile for 
# Source directory: /work/main/settings
# Build directory: /work/main/b/settings
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
