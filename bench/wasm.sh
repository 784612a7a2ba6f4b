#!/bin/sh
# The batch runner compiled to WebAssembly under Node against the native
# program, side by side: the default series and the 24-lambda 100 x 100
# series at 10^6 iterations, the same seed, each run in turn (native, Node,
# native, ...) so that a noisy machine slows both alike. Prints the wall
# time of every run and the median ratio. Needs build/cli/fazolab-batch and
# build-web/fazolab-batch.mjs (scripts/web.sh build).
#   bench/wasm.sh [repetitions]      (3 unless given)
set -eu
cd "$(dirname "$0")/.."
POWTORZENIA=${1:-3}
NATYWNY=${FAZOLAB_BATCH:-build/cli/fazolab-batch}
WEB=${FAZOLAB_BUILD_WEB:-build-web}

czas() {
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1
    koniec=$(date +%s.%N)
    echo "$koniec - $start" | bc
}

mediana() {
    tr ' ' '\n' | sed '/^$/d' | sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

porownaj() {
    nazwa=$1
    shift
    natywne=""
    wasm=""
    i=0
    while [ "$i" -lt "$POWTORZENIA" ]; do
        natywne="$natywne $(czas "$NATYWNY" "$@")"
        wasm="$wasm $(czas node "$WEB/fazolab-batch.mjs" "$@")"
        i=$((i + 1))
    done
    n=$(echo "$natywne" | mediana)
    w=$(echo "$wasm" | mediana)
    printf '%s\n  native:%s s\n  node:  %s s\n  median %s s / %s s = %.2f x\n' "$nazwa" "$natywne" \
        "$wasm" "$n" "$w" "$(echo "$w / $n" | bc -l)"
}

porownaj "default series (10 x 10, lambda 0.1:2.4:0.3, 100 000 iterations)" --ziarno 1
porownaj "24 lambdas, 100 x 100, 10^6 iterations" --ziarno 1 --osie 100 --lambda 0.1:2.4:0.1 \
    --iteracje 1000000
