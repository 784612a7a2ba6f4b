#!/bin/sh
# The largest lattice with two replicas under a limit of memory: one Polish
# line on standard error and exit status 1, whether the memory or the threads
# run out first; no abort, no core, no file left.
# Usage: BrakPamieciTest.sh FAZOLAB_BATCH
set -eu
batch=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
blad() {
    echo "BŁĄD: $*" >&2
    exit 1
}
for limit in 20000 30000 40000 60000; do
    status=0
    sh -c "ulimit -v $limit; exec \"\$0\" --siec 3DR --osie 100x100x100 --powtorzenia 2 --watki 2 \
        --iteracje 10000 --ziarno 1 --przebieg p.csv --wyjscie w.csv --lambda 0.5:0.9:0.2" \
        "$batch" >wyjscie.txt 2>bledy.txt || status=$?
    [ "$status" -eq 1 ] || blad "ulimit -v $limit: status $status: $(cat bledy.txt)"
    [ "$(wc -l <bledy.txt)" -eq 1 ] || blad "ulimit -v $limit: $(cat bledy.txt)"
    grep -q -e "^Za mało pamięci" -e "^System nie pozwolił uruchomić wątków" bledy.txt ||
        blad "ulimit -v $limit: $(cat bledy.txt)"
    [ "$(ls -A | grep -v -x -e wyjscie.txt -e bledy.txt || true)" = "" ] ||
        blad "ulimit -v $limit left: $(ls -A)"
done
echo "1 passed, 0 failed"
