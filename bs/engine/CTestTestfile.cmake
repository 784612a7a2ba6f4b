# CMake generated Testfile for 
# Source directory: /work/wt24/engine
# Build directory: /work/wt24/bs/engine
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
