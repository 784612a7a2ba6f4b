# CMake generated Testfile for 
# Source directory: /work/wt24/tests
# Build directory: /work/wt24/bs/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("engine")
subdirs("results")
subdirs("cli")
