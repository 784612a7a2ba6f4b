#!/bin/sh
# The batch runner compiled to WebAssembly under Node against the native
# program, side by side: the default series, the 24-lambda 100 x 100 series
# at 10^6 iterations and a study of replicas, the same seed, each run in turn
# (native, Node, native, ...) so that a noisy machine slows both alike. Prints the wall and
# the processor time (user + system, the figure to compare on a shared
# machine) of every run and the ratios of their medians. Needs
# build/cli/fazolab-batch and build-web/fazolab-batch.mjs (scripts/web.sh build).
#   bench/wasm.sh [repetitions]      (3 unless given)
set -eu
cd "$(dirname "$0")/.."
POWTORZENIA=${1:-3}
NATYWNY=${FAZOLAB_BATCH:-build/cli/fazolab-batch}
WEB=${FAZOLAB_BUILD_WEB:-build-web}
POMIAR=$(mktemp)
trap 'rm -f "$POMIAR"' EXIT

# "wall cpu" of one run.
czas() {
    /usr/bin/time -f '%e %U %S' -o "$POMIAR" "$@" > /dev/null 2>&1
    awk '{ printf "%.2f %.2f", $1, $2 + $3 }' "$POMIAR"
}

mediana() {
    sort -g | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'
}

porownaj() {
    nazwa=$1
    shift
    : > "$POMIAR.n"
    : > "$POMIAR.w"
    i=0
    while [ "$i" -lt "$POWTORZENIA" ]; do
        czas "$NATYWNY" "$@" >> "$POMIAR.n" && echo >> "$POMIAR.n"
        czas node "$WEB/fazolab-batch.mjs" "$@" >> "$POMIAR.w" && echo >> "$POMIAR.w"
        i=$((i + 1))
    done
    echo "$nazwa"
    for kolumna in 1 2; do
        n=$(cut -d' ' -f$kolumna "$POMIAR.n" | mediana)
        w=$(cut -d' ' -f$kolumna "$POMIAR.w" | mediana)
        [ "$kolumna" = 1 ] && rodzaj="wall" || rodzaj="cpu "
        printf '  %s native %s| node %s| median node %s s / native %s s = %.2f x\n' "$rodzaj" \
            "$(cut -d' ' -f$kolumna "$POMIAR.n" | tr '\n' ' ')" \
            "$(cut -d' ' -f$kolumna "$POMIAR.w" | tr '\n' ' ')" "$w" "$n" \
            "$(echo "$w / $n" | bc -l)"
    done
    rm -f "$POMIAR.n" "$POMIAR.w"
}

porownaj "default series (10 x 10, lambda 0.1:2.4:0.3, 100 000 iterations)" --ziarno 1
porownaj "24 lambdas, 100 x 100, 10^6 iterations" --ziarno 1 --osie 100 --lambda 0.1:2.4:0.1 \
    --iteracje 1000000
# Replicas: in threads natively, in worker threads under Node (the core built
# with threads), as many as the processor has.
porownaj "4 replicas, 50 x 50, 8 lambdas, 10^6 iterations" --ziarno 7 --osie 50 \
    --lambda 0.5:1.2:0.1 --iteracje 1000000 --powtorzenia 4

# The same runs inside one Node process once the module is loaded (what a
# page's Worker pays per run): the processor time of the call alone.
echo "inside one Node process, after loading (cpu of the call, median of $POWTORZENIA)"
node --input-type=module -e "
import { wczytajFazolab } from '$PWD/$WEB/fazolab.mjs';
const fz = await wczytajFazolab();
for (const argumenty of [['--ziarno', '1'],
    ['--ziarno', '1', '--osie', '100', '--lambda', '0.1:2.4:0.1', '--iteracje', '1000000']]) {
  const czasy = [];
  for (let i = 0; i < $POWTORZENIA; i += 1) {
    const przed = process.cpuUsage();
    fz.wsadowo(argumenty);
    const po = process.cpuUsage(przed);
    czasy.push((po.user + po.system) / 1e6);
  }
  czasy.sort((a, b) => a - b);
  console.log('  ' + argumenty.join(' ') + ': ' + czasy[(czasy.length - 1) >> 1].toFixed(2) + ' s');
}"
