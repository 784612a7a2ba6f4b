#!/bin/sh
# The README's fazolab-batch examples run as a reader runs them, from a source
# folder: every example of its "fazolab-batch" chapter that needs no other
# machine or queue, in one shell, at a small size (each run is cut to 10 000
# iterations sampled every 100; the options and the lattices are the README's).
# The study split by GNU parallel and merged must give the bytes of one
# process running it whole.
# Usage: PrzykladyReadmeTest.sh README FAZOLAB_BATCH PARALLEL
set -eu
readme=$1
batch=$(readlink -f "$2")
parallel=$(readlink -f "$3")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
blad() {
    echo "BŁĄD: $*" >&2
    exit 1
}

# build/cli/fazolab-batch as the README names it, cutting the runs short.
mkdir -p "$folder/build/cli" "$folder/bin" "$folder/.parallel"
cat >"$folder/build/cli/fazolab-batch" <<KONIEC
#!/bin/sh
case " \$* " in
*" --scal "* | *" --pomoc "*) exec "$batch" "\$@" ;;
esac
exec "$batch" "\$@" --iteracje 10000 --co 100
KONIEC
chmod +x "$folder/build/cli/fazolab-batch"
ln -s "$parallel" "$folder/bin/parallel"
touch "$folder/.parallel/will-cite"

# The chapter's indented examples, one file a paragraph.
awk -v folder="$folder" '
    /^## / { rozdzial = ($0 == "## fazolab-batch") }
    !rozdzial { next }
    /^    / { if (!w) { n++; w = 1 } print substr($0, 5) >(folder "/akapit" n); next }
    { w = 0 }
' "$readme"

skrypt="$folder/przyklady.sh"
echo 'set -eu' >"$skrypt"
ile=0
podzielone=0
for plik in $(ls "$folder"/akapit* | sort -V); do
    grep -q -e sshlogin -e sbatch -e slurm-badanie "$plik" && continue
    grep -q -e fazolab-batch -e 'export PATH' "$plik" || continue
    ile=$((ile + 1))
    { echo '{'; cat "$plik"; echo "} >wyjscie$ile.txt"; } >>"$skrypt"
    if grep -q -e --czesc "$plik"; then
        podzielone=1
        echo 'fazolab-batch $badanie --wyjscie jeden.csv --fluktuacje >jeden.txt' >>"$skrypt"
        # The parts print their own summaries first; the merge's comes last.
        echo "tail -n \$(wc -l <jeden.txt) wyjscie$ile.txt | cmp - jeden.txt" >>"$skrypt"
        echo "cmp jeden.csv wyniki.csv" >>"$skrypt"
    fi
done
[ "$ile" -ge 5 ] || blad "only $ile examples found in the README"
[ "$podzielone" -eq 1 ] || blad "no example of a study split into parts"

cd "$folder"
HOME="$folder" PATH="$folder/bin:$PATH" sh "$skrypt" || blad "an example failed: $(cat "$skrypt")"
echo "1 passed, 0 failed ($ile examples)"
