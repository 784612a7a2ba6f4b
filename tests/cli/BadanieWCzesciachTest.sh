#!/bin/sh
# The real program as a study uses it: one study run as four parts by GNU
# parallel and merged gives the bytes of one process, the summary's
# equilibrium column and the --fluktuacje results file included; standard output on a
# full device is exit 1 with the summary kept, and /dev/stdout as a target
# adds to standard output; an interrupted replica run
# leaves the trace files of an earlier run whole, and nothing beside them.
# Usage: BadanieWCzesciachTest.sh FAZOLAB_BATCH PARALLEL
set -eu
batch=$1
parallel=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
blad() {
    echo "BŁĄD: $*" >&2
    exit 1
}

# Samples every 100 attempts: enough for the equilibrium to be told, and the
# largest lambdas of a random start are still ordering.
badanie="--osie 10 --iteracje 200000 --co 100 --lambda 0.5:2.3:0.6 --ziarno 31 --powtorzenia 8 \
    --watki 1"
"$batch" $badanie --wyjscie jeden.csv --fluktuacje >jeden.txt
"$parallel" --will-cite -j2 "'$batch' $badanie --czesc {}/4 --powtorzenia-plik czesc{}.txt \
    >/dev/null" ::: 0 1 2 3
"$batch" --scal czesc0.txt czesc1.txt czesc2.txt czesc3.txt --wyjscie scalone.csv --fluktuacje \
    >scalone.txt
cmp jeden.txt scalone.txt || blad "the merged summary differs from one process"
cmp jeden.csv scalone.csv || blad "the merged results file differs from one process"
grep -q " 8/8 nie wykryto dryfu$" jeden.txt && grep -q " [0-7]/8 nie osiągnęła równowagi$" jeden.txt ||
    blad "the summary's equilibrium column tells no series apart"
grep -q "fluktuacje" jeden.csv || blad "no fluctuation columns in the results file"

status=0
"$batch" $badanie >/dev/full 2>bledy.txt || status=$?
[ "$status" -eq 1 ] || blad "standard output on /dev/full: exit $status"
grep -q "standardowe wyjście" bledy.txt || blad "no message for the failed standard output"
tail -n +2 bledy.txt | cmp - jeden.txt || blad "the summary did not reach standard error"

# A reader that went away: the summary reaches standard error instead.
{
    status=0
    "$batch" $badanie 2>rura.txt || status=$?
    echo "$status" >rura.status
} | true
[ "$(cat rura.status)" -eq 1 ] || blad "standard output to a closed pipe: exit $(cat rura.status)"
tail -n +2 rura.txt | cmp - jeden.txt || blad "the summary was lost with the closed pipe"

# Standard output as a target: written after what the program printed, the
# same through a pipe as into a file, and never replaced by a rename.
wprost="--osie 6 --iteracje 10000 --lambda 0.3:1.5:0.4 --ziarno 3"
"$batch" $wprost --przebieg /dev/stdout --wyjscie /dev/stdout >doPliku.txt
"$batch" $wprost --przebieg /dev/stdout --wyjscie /dev/stdout | cat >przezRure.txt
cmp doPliku.txt przezRure.txt || blad "/dev/stdout: a file and a pipe differ"
"$batch" $wprost --przebieg przebieg.csv --wyjscie wyniki.txt >podsumowanie.txt
cat przebieg.csv wyniki.txt podsumowanie.txt | cmp - doPliku.txt ||
    blad "/dev/stdout: not the trace, the results and the summary in turn"

for k in 0 1 2 3 4 5 6 7; do
    echo "poprzedni przebieg" >"p.$k.csv"
done
"$batch" --osie 40 --iteracje 1000000 --lambda 0.1:2.4:0.1 --ziarno 2 --powtorzenia 8 \
    --watki 1 --przebieg p.csv 2>/dev/null &
pid=$!
# Interrupted once the first replica has written its trace beside its target.
for _ in $(seq 1200); do
    ls -a | grep -q '^\.p\.0\.csv\.zapis' && break
    sleep 0.05
done
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -ne 0 ] || blad "the run ended before it was interrupted"
for k in 0 1 2 3 4 5 6 7; do
    [ "$(cat "p.$k.csv")" = "poprzedni przebieg" ] || blad "p.$k.csv changed by the interrupted run"
done
[ -z "$(ls -A | grep zapis)" ] || blad "temporary files left: $(ls -A | grep zapis)"
echo "1 passed, 0 failed"
