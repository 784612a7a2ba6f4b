# CMake generated Testfile for 
# Source directory: /work/wt24/cli
# Build directory: /work/wt24/bs/cli
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
