#!/bin/bash
# One study of fazolab-batch as a Slurm job array: its replicas in M parts,
# one array task per part (the task's index is the part's number K), each
# task with T cores for T threads. Run it where sbatch works, in the folder
# that is to hold the parts (czesc0.txt .. and their logs czesc0.log ..):
#
#     scripts/slurm-badanie.sh --czesci 8 --watki 2 --siec 2DKwadrat --osie 40 \
#         --uklad uporzadkowane --lambda 0.6:1.2:0.1 --iteracje 1000000 \
#         --powtorzenia 64 --ziarno 7
#
# Those but --uklad are the defaults (a study option given replaces its
# default); every option but --czesci, --watki, --pamiec (per task, 200M) and
# --czas (per task, 02:00:00) goes to fazolab-batch, the same for every part.
# When every task has ended, merge the parts in that folder:
#
#     fazolab-batch --scal czesc*.txt --wyjscie wyniki.csv --fluktuacje
#
# fazolab-batch is that of this source tree's build (build/cli) when there is
# one, otherwise the one on PATH; FAZOLAB_BATCH names another. The queue's
# own settings (partition, account) come from sbatch's SBATCH_* variables.
set -eu

# An array task: its part of the study, as the submission below set it up.
if [ -n "${FAZOLAB_CZESCI:-}" ] && [ -n "${SLURM_ARRAY_TASK_ID:-}" ]; then
    exec "$FAZOLAB_BATCH" "$@" --watki "${SLURM_CPUS_PER_TASK:-1}" \
        --czesc "$SLURM_ARRAY_TASK_ID/$FAZOLAB_CZESCI" \
        --powtorzenia-plik "czesc$SLURM_ARRAY_TASK_ID.txt"
fi

blad() {
    echo "slurm-badanie.sh: $*" >&2
    exit 2
}
czesci=8
watki=2
pamiec=200M
czas=02:00:00
badanie=(--siec 2DKwadrat --osie 40 --lambda 0.6:1.2:0.1 --iteracje 1000000 --powtorzenia 64
    --ziarno 7)
while [ $# -gt 0 ]; do
    case $1 in
    --czesci | --watki | --pamiec | --czas)
        [ $# -ge 2 ] || blad "brak wartości opcji $1."
        case $1 in
        --czesci) czesci=$2 ;;
        --watki) watki=$2 ;;
        --pamiec) pamiec=$2 ;;
        --czas) czas=$2 ;;
        esac
        shift 2
        ;;
    --czesci=* | --watki=* | --pamiec=* | --czas=*)
        set -- "${1%%=*}" "${1#*=}" "${@:2}"
        ;;
    --wyjscie | --wyjscie=* | --fluktuacje | --czesc | --czesc=* | --powtorzenia-plik*)
        blad "opcja $1 nie należy do części badania (wyniki zapisuje fazolab-batch --scal)."
        ;;
    *)
        badanie+=("$1")
        shift
        ;;
    esac
done
case $czesci in
'' | *[!0-9]*) blad "błędna wartość opcji --czesci: dozwolone liczby całkowite od 1 do 64." ;;
esac
case $watki in
'' | *[!0-9]*) blad "błędna wartość opcji --watki: dozwolone liczby całkowite od 1 do 64." ;;
esac
[ "$czesci" -ge 1 ] && [ "$czesci" -le 64 ] ||
    blad "błędna wartość opcji --czesci: dozwolone liczby całkowite od 1 do 64."
[ "$watki" -ge 1 ] && [ "$watki" -le 64 ] ||
    blad "błędna wartość opcji --watki: dozwolone liczby całkowite od 1 do 64."
# Refused here rather than by every task: more parts than replicas.
powtorzenia=""
for ((i = 0; i + 1 < ${#badanie[@]}; i++)); do
    [ "${badanie[i]}" = --powtorzenia ] && powtorzenia=${badanie[i + 1]}
done
case $powtorzenia in
'' | *[!0-9]*) ;;
*) [ "$czesci" -le "$powtorzenia" ] ||
    blad "opcja --czesci $czesci: najwyżej tyle części, ile powtórzeń ($powtorzenia)." ;;
esac

if [ -z "${FAZOLAB_BATCH:-}" ]; then
    zbudowany="$(cd "$(dirname "$0")/.." && pwd)/build/cli/fazolab-batch"
    if [ -x "$zbudowany" ]; then
        FAZOLAB_BATCH=$zbudowany
    else
        FAZOLAB_BATCH=$(command -v fazolab-batch) ||
            blad "nie znaleziono fazolab-batch (zbuduj projekt, zainstaluj pakiet lub ustaw FAZOLAB_BATCH)."
    fi
fi
# The tasks run elsewhere, from a copy of this script: they get the program
# by its full name and the number of parts through the environment.
FAZOLAB_BATCH=$(realpath "$FAZOLAB_BATCH")
export FAZOLAB_BATCH
export FAZOLAB_CZESCI=$czesci
zadanie=$(sbatch --parsable --job-name=fazolab-badanie --array="0-$((czesci - 1))" \
    --cpus-per-task="$watki" --mem="$pamiec" --time="$czas" --output='czesc%a.log' \
    "$0" "${badanie[@]}")
echo "Zadanie ${zadanie%%;*}: $czesci części badania. Po ich zakończeniu:"
echo "    $FAZOLAB_BATCH --scal $(seq -f 'czesc%g.txt' -s ' ' 0 $((czesci - 1))) --wyjscie wyniki.csv --fluktuacje"
