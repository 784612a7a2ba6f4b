#!/bin/sh
# Signals at any moment of a run, the moment its files are moved into place
# among them: the traces, the part file and the results file are afterwards
# all of the earlier run or all of the new one, nothing is left beside them,
# and an interrupted run says so. Two runs at once on the same files: one is
# refused, the other's set is whole.
# Usage: SygnalPrzyZapisieTest.sh FAZOLAB_BATCH [TRIALS]
set -eu
batch=$1
proby=${2:-40}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
blad() {
    echo "BŁĄD: $*" >&2
    exit 1
}

# Traces of a few megabytes, so that writing them takes a while.
badanie="--osie 20 --iteracje 1000000 --co 100 --lambda 0.5:2.0:0.5 --powtorzenia 2 --watki 2"
zestaw() {
    cat w.csv cz.txt p.0.csv p.1.csv | cksum
}
mkdir stary nowy
# shellcheck disable=SC2086
(cd stary && "$batch" $badanie --ziarno 1 --wyjscie w.csv --powtorzenia-plik cz.txt \
    --przebieg p.csv >/dev/null)
# How long a whole run with its files takes, in milliseconds.
start=$(date +%s%N)
# shellcheck disable=SC2086
(cd nowy && "$batch" $badanie --ziarno 2 --wyjscie w.csv --powtorzenia-plik cz.txt \
    --przebieg p.csv >/dev/null)
czas=$((($(date +%s%N) - start) / 1000000))
stary=$(cd stary && zestaw)
nowy=$(cd nowy && zestaw)
[ "$stary" != "$nowy" ] || blad "two seeds gave the same files"

mieszane=0
przerwane=0
k=0
while [ "$k" -lt "$proby" ]; do
    cp stary/* .
    # From early in the run to past its end, most of them near the end.
    opoznienie=$((czas * (50 + (k * 53) % 70) / 100))
    status=0
    # shellcheck disable=SC2086
    timeout --preserve-status -s TERM "$(printf '%d.%03d' $((opoznienie / 1000)) $((opoznienie % 1000)))" \
        "$batch" $badanie --ziarno 2 --wyjscie w.csv --powtorzenia-plik cz.txt --przebieg p.csv \
        >wyjscie.txt 2>bledy.txt || status=$?
    teraz=$(zestaw)
    if [ "$teraz" != "$stary" ] && [ "$teraz" != "$nowy" ]; then
        mieszane=$((mieszane + 1))
    fi
    case $status in
    0) [ "$teraz" = "$nowy" ] || blad "exit 0 without the new set" ;;
    143)
        # Before the last rename: the earlier set and a word; after it the
        # signal ends a finished run, which has nothing more to say.
        if [ "$teraz" = "$stary" ]; then
            przerwane=$((przerwane + 1))
            grep -q "przerwane sygnałem 15; żaden plik nie został zapisany ani zmieniony" \
                bledy.txt || blad "interrupted without a word: $(cat bledy.txt)"
        elif grep -q przerwane bledy.txt; then
            blad "said interrupted, but the files changed"
        fi
        ;;
    *) blad "status $status: $(cat bledy.txt)" ;;
    esac
    pozostale=$(ls -A | grep -v -x -e w.csv -e cz.txt -e p.0.csv -e p.1.csv -e stary -e nowy \
        -e wyjscie.txt -e bledy.txt || true)
    [ -z "$pozostale" ] || blad "left beside the files: $pozostale"
    k=$((k + 1))
done
[ "$mieszane" -eq 0 ] || blad "$mieszane mixed sets"
[ "$przerwane" -gt 0 ] || blad "no trial interrupted the run"
[ "$przerwane" -lt "$proby" ] || blad "every trial interrupted the run"

# Two runs at once on the same files.
cp stary/* .
# shellcheck disable=SC2086
"$batch" $badanie --ziarno 2 --wyjscie w.csv --powtorzenia-plik cz.txt --przebieg p.csv \
    >/dev/null 2>pierwszy.txt &
pid=$!
sleep 0.2
status=0
# shellcheck disable=SC2086
"$batch" $badanie --ziarno 3 --wyjscie w.csv --powtorzenia-plik cz.txt --przebieg p.csv \
    >/dev/null 2>drugi.txt || status=$?
wait "$pid" || blad "the first run failed: $(cat pierwszy.txt)"
[ "$status" -eq 1 ] || blad "the second run on the same files: status $status"
grep -q "zapisuje teraz inny przebieg fazolab-batch" drugi.txt || blad "$(cat drugi.txt)"
[ "$(zestaw)" = "$nowy" ] || blad "the set of the first run is not whole"
echo "$proby trials, $przerwane interrupted, 0 mixed; 1 passed, 0 failed"
