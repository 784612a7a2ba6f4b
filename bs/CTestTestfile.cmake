# CMake generated Testfile for 
# Source directory: /work/wt24
# Build directory: /work/wt24/bs
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("engine")
subdirs("results")
subdirs("cli")
subdirs("tests")
