#!/bin/sh
# The generators' streams through dieharder's battery (Debian's package
# "dieharder"; apt-get install dieharder): the 64-bit generator's stream of a
# replica, the streams of two neighbouring seeds' replicas interleaved draw by
# draw (a likeness between streams would show as a pattern), and for contrast
# the window's 32-bit generator, whose raw states fail where a battery looks
# at the low bits. A benchmark of the streams, not a timed test: the default
# tests take some minutes; "--wszystkie" runs dieharder's whole battery (-a),
# an hour or more.
#
#   bench/engine/strumienie.sh [BUILD_DIR] [--wszystkie]
set -eu
build=${1:-build}
[ "${1:-}" = "--wszystkie" ] && build=build
strumien="$build/bench/engine/fazolab_strumien"
if ! command -v dieharder >/dev/null; then
    echo "Brak programu dieharder (apt-get install dieharder)." >&2
    exit 2
fi
[ -x "$strumien" ] || { echo "Brak $strumien: zbuduj cel fazolab_strumien." >&2; exit 2; }
# Birthdays, OPERM5, the binary ranks, bitstream, count of ones, parking lot,
# minimum distance, runs, craps, GCD; STS monobit, runs and serial; bytes.
testy="0 1 2 3 4 8 10 11 15 16 17 100 101 102 205"
bateria() {
    if [ "${2:-}" = "--wszystkie" ]; then
        "$strumien" $1 | dieharder -g 200 -a
    else
        for d in $testy; do
            "$strumien" $1 | dieharder -g 200 -d "$d" | grep -E '(PASSED|WEAK|FAILED) *$'
        done
    fi
}
tryb=""
for a in "$@"; do [ "$a" = "--wszystkie" ] && tryb="--wszystkie"; done
for zrodlo in "xoshiro 103 3" "przeplot 103 4" "okna 103"; do
    echo "== fazolab_strumien $zrodlo"
    bateria "$zrodlo" $tryb
done
