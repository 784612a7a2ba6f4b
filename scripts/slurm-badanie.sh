#!/bin/bash
# One study of fazolab-batch as a Slurm job array: its replicas in M parts,
# one array task per part (the task's index is the part's number K), each
# task with T cores for T threads, and the merge of the parts as a job that
# starts when every task has ended well. Run it where sbatch works:
#
#     scripts/slurm-badanie.sh --czesci 8 --watki 2 --siec 2DKwadrat --osie 40 \
#         --uklad uporzadkowane --lambda 0.6:1.2:0.1 --iteracje 1000000 \
#         --powtorzenia 64 --ziarno 7
#
# Those but --uklad are the defaults (a study option given replaces its
# default); every option but --czesci, --watki, --pamiec (per task, 200M) and
# --czas (per task, 02:00:00) goes to fazolab-batch, the same for every part.
# The whole study is checked by fazolab-batch --sprawdz before anything is
# submitted. Its files go to a folder of their own in the current one, named
# after the study (its seed and a short hash of its parameters:
# badanie-7-1a2b3c4d/): the parts czesc0.txt .. with their logs, then the
# merge's wyniki.csv (with the fluctuations) and its summary scal.log. A
# folder already there is refused: the parts of a study submitted before are
# never overwritten.
#
# fazolab-batch is that of this source tree's build (build/cli) when there is
# one, otherwise the one on PATH; FAZOLAB_BATCH names another. The queue's
# own settings (partition, account) come from sbatch's SBATCH_* variables.
set -eu

# The jobs, run from a copy of this script as the submission below set them up.
if [ "${FAZOLAB_ROLA:-}" = czesc ] && [ -n "${SLURM_ARRAY_TASK_ID:-}" ]; then
    exec "$FAZOLAB_BATCH" "$@" --watki "${SLURM_CPUS_PER_TASK:-1}" \
        --czesc "$SLURM_ARRAY_TASK_ID/$FAZOLAB_CZESCI" \
        --powtorzenia-plik "$FAZOLAB_FOLDER/czesc$SLURM_ARRAY_TASK_ID.txt"
fi
if [ "${FAZOLAB_ROLA:-}" = scal ]; then
    pliki=()
    for ((k = 0; k < FAZOLAB_CZESCI; k++)); do
        pliki+=("$FAZOLAB_FOLDER/czesc$k.txt")
    done
    exec "$FAZOLAB_BATCH" --scal "${pliki[@]}" --wyjscie "$FAZOLAB_FOLDER/wyniki.csv" \
        --fluktuacje
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
    --wyjscie | --wyjscie=* | --fluktuacje | --czesc | --czesc=* | --powtorzenia-plik* | --scal*)
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
# by its full name and the study through the environment.
FAZOLAB_BATCH=$(realpath "$FAZOLAB_BATCH")
# Refused here rather than by every task: whatever fazolab-batch would refuse
# (a value out of range, more parts than replicas, --powtorzenia=4 as well as
# --powtorzenia 4).
sprawdzenie=("$FAZOLAB_BATCH" --sprawdz "${badanie[@]}" --watki "$watki" --czesc "0/$czesci"
    --powtorzenia-plik czesc0.txt)
naglowek=$("${sprawdzenie[@]}" 2>/dev/null) || {
    komunikat=$("${sprawdzenie[@]}" 2>&1 >/dev/null) || true
    blad "${komunikat:-fazolab-batch --sprawdz odrzucił badanie.}"
}
ziarno=$(sed -n 's/^ziarno \([0-9]*\) .*/\1/p' <<<"$naglowek")
skrot=$(grep -v '^proby ' <<<"$naglowek" | sha256sum | cut -c1-8)
folder="badanie-$ziarno-$skrot"
[ ! -e "$folder" ] ||
    blad "folder $folder już istnieje: to badanie zostało już zlecone (usuń folder, aby policzyć je od nowa)."
mkdir "$folder"
export FAZOLAB_BATCH FAZOLAB_CZESCI=$czesci FAZOLAB_FOLDER=$folder
zadanie=$(FAZOLAB_ROLA=czesc sbatch --parsable --job-name=fazolab-badanie \
    --array="0-$((czesci - 1))" --cpus-per-task="$watki" --mem="$pamiec" --time="$czas" \
    --output="$folder/czesc%a.log" "$0" "${badanie[@]}")
zadanie=${zadanie%%;*}
scalenie=$(FAZOLAB_ROLA=scal sbatch --parsable --job-name=fazolab-scal \
    --dependency="afterok:$zadanie" --kill-on-invalid-dep=yes --cpus-per-task=1 \
    --mem="$pamiec" --time="$czas" --output="$folder/scal.log" "$0")
echo "Zadanie $zadanie: $czesci części badania w folderze $folder."
echo "Zadanie ${scalenie%%;*}: ich scalenie po zakończeniu wszystkich (wyniki w $folder/wyniki.csv, podsumowanie w $folder/scal.log)."
