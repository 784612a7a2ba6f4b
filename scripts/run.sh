#!/bin/sh
# Installs what is missing, builds Fazolab and starts it. The build puts the
# help and the animation clip beside the program, where it looks first.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFAZOLAB_TESTY=OFF
cmake --build build
exec build/shell/fazolab "$@"
