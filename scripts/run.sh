#!/bin/sh
# Installs what is missing, builds Fazolab and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
if [ -x build/shell/fazolab ]; then
    exec build/shell/fazolab "$@"
fi
echo "Okno programu jeszcze nie istnieje; uruchamiam fazolab-batch." >&2
exec build/cli/fazolab-batch "$@"
