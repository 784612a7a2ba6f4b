#!/bin/sh
# The web edition. "scripts/web.sh build" installs what is missing (Debian's
# emscripten, Node and acorn, which emscripten's link step loads), unpacks the
# Debian sources of zlib and libxlsxwriter that the module compiles in, and
# builds into build-web/: fazolab.mjs (the JavaScript API, wasm/API.md) with
# its WebAssembly core, and fazolab-batch.mjs (node build-web/fazolab-batch.mjs
# <options> runs the batch runner). "build --testy" also builds the GoogleTest
# suites of the engine and the results core for Node. "scripts/web.sh" alone
# builds all of it and the page, then serves the page on http://127.0.0.1:8000/.
set -eu
cd "$(dirname "$0")/.."
ZRODLA=build-web/zrodla
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

zainstaluj() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
}

# The sources of the Debian release the native build links, taken with apt's
# own client from a private list of source packages (the machine's lists stay
# as they are); only the upstream tarballs are unpacked.
zrodla() {
    [ -f "$ZRODLA/zlib/zlib.h" ] && [ -f "$ZRODLA/libxlsxwriter/include/xlsxwriter.h" ] && return 0
    pobrane="$ZRODLA/pobrane"
    mkdir -p "$pobrane/listy/partial"
    . /etc/os-release
    echo "deb-src http://deb.debian.org/debian $VERSION_CODENAME main" > "$pobrane/sources.list"
    apt_opcje="-o Dir::Etc::SourceList=$PWD/$pobrane/sources.list -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists=$PWD/$pobrane/listy -o APT::Sandbox::User=root"
    # shellcheck disable=SC2086
    apt-get $apt_opcje update -qq
    # shellcheck disable=SC2086
    (cd "$pobrane" && apt-get $apt_opcje source --download-only -qq zlib libxlsxwriter)
    for nazwa in zlib libxlsxwriter; do
        rm -rf "${ZRODLA:?}/$nazwa" && mkdir -p "$ZRODLA/$nazwa"
        tar -xf "$pobrane/${nazwa}"_*.orig.tar.* -C "$ZRODLA/$nazwa" --strip-components=1
    done
}

build() {
    testy=OFF
    cele="fazolab-rdzen fazolab-batch"
    if [ "${1:-}" = "--testy" ]; then
        testy=ON
        cele="$cele fazolab_engine_tests fazolab_engine_alloc_tests fazolab_results_tests"
        zainstaluj libgtest-dev
    fi
    zainstaluj emscripten nodejs node-acorn tar xz-utils bzip2
    zrodla
    # emcc's link step loads acorn from Debian's folder of Node modules.
    NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    export NODE_PATH
    emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DFAZOLAB_TESTY=$testy \
        -DFAZOLAB_WERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
    # shellcheck disable=SC2086
    cmake --build build-web --target $cele
    # The batch runner again with worker threads for replicas (wasm/Web.cmake),
    # from a tree of its own that puts it beside the other.
    emcmake cmake -S . -B build-web/watki -G Ninja -DCMAKE_BUILD_TYPE=Release -DFAZOLAB_TESTY=OFF \
        -DFAZOLAB_WERROR=ON -DFAZOLAB_WATKI=ON -DFAZOLAB_WYJSCIE="$PWD/build-web" \
        -DFAZOLAB_ZRODLA="$PWD/$ZRODLA" >/dev/null
    cmake --build build-web/watki --target fazolab-batch
    echo "build-web/fazolab.mjs"
}

# The page itself: one folder, build-web/strona/, to copy to any static web server.
strona() {
    node web/zbuduj.mjs build-web
}

# After "build --testy" and the native build (build/cli/fazolab-batch): the
# GoogleTest suites under Node (what they leave out: wasm/Web.cmake), then the
# module and fazolab-batch.mjs against the native programs.
testy() {
    ctest --test-dir build-web --output-on-failure -j2 -LE fizyka
    node --test tests/wasm/
}

case "${1:-}" in
test)
    testy
    ;;
build)
    shift
    build "$@"
    strona
    ;;
"" | serwuj)
    build
    strona
    exec node web/serwuj.mjs build-web/strona 8000
    ;;
*)
    echo "Użycie: scripts/web.sh [serwuj] | scripts/web.sh build [--testy] | scripts/web.sh test" >&2
    exit 2
    ;;
esac
