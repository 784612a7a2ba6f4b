# CMake generated Testfile for 
# Source directory: /work/main/tests
# Build directory: /work/main/b/tests
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("engine")
subdirs("results")
subdirs("cli")
subdirs("settings")
subdirs("widgets")
subdirs("charts")
subdirs("display")
subdirs("simwindow")
subdirs("shell")
subdirs("assets")
