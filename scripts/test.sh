#!/bin/sh
# Installs what is missing, builds everything and runs every test: the full
# build (with the window tests under the offscreen platform), then the pure C++
# layers again under AddressSanitizer and UndefinedBehaviorSanitizer, and their
# fuzz targets for a minute each.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --testy
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFAZOLAB_TESTY=ON -DFAZOLAB_WERROR=ON \
    -DFAZOLAB_PYTHON=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFAZOLAB_SANITIZE=ON -DFAZOLAB_WERROR=ON
cmake --build build-san
ctest --test-dir build-san --output-on-failure -j2
# The fuzz targets of the replica file and the options (libFuzzer, clang, with
# ASan and UBSan): the inputs that once broke them, then a minute each.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFAZOLAB_FUZZ=ON -DFAZOLAB_TESTY=OFF -DFAZOLAB_PYTHON=OFF
cmake --build build-fuzz
ctest --test-dir build-fuzz --output-on-failure
# The web build: the engine's and the results core's GoogleTest suites under
# Node, then the JavaScript module and fazolab-batch.mjs against the native
# programs built above.
scripts/web.sh build --testy
scripts/web.sh test
# The web page in headless Chromium: the whole path, axe-core on every stage, the files
# against the native batch runner's, screenshots in build-web/zrzuty/.
[ -f build-web/strona/index.html ] || scripts/web.sh build
# npm trusts its own list of authorities; the system's list also holds any
# that the local network adds (a proxy that re-signs connections).
if [ -z "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f /etc/ssl/certs/ca-certificates.crt ]; then
    export NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt
fi
(cd web && npm ci --no-audit --no-fund --loglevel=error && node --test tests/)
