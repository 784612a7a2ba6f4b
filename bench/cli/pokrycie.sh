#!/bin/sh
# How often the stated error of the transition covers the exact answer, and
# how often a study answers at all, over independent seeds: not a timed test.
# Usage: bench/cli/pokrycie.sh [path/to/fazolab-batch] [studies] [parts]
# Parts: k20 k40 c8 rozmiary2d rozmiary3d. The exact values: the peaks of Cv/kN
# at fixed composition c = 1/2 (square 10 x 10: 0.8460, 20 x 20: 0.8637,
# 40 x 40: 0.8742; cubic 8^3: 0.4586) and the infinite lattices' lambda_c
# (square ln(1 + sqrt 2) = 0.8814, simple cubic 2 x 0.221654 = 0.4433).
set -eu
batch=${1:-build/cli/fazolab-batch}
badan=${2:-10}
shift 2 || true
czesci=${*:-k20 k40 c8 rozmiary2d rozmiary3d}

# Reads "value ± error" from the lines matching $1 on stdin; prints the share
# within one and two errors of $2 and the number of answers.
pokrycie() {
    awk -v wzor="$1" -v dokladne="$2" -v badan="$badan" '
        index($0, wzor) {
            for (i = 1; i < NF; i++) if ($(i + 1) == "±") { v = $i; b = $(i + 2); break }
            if (b != "" && b > 0) {
                n++; d = (v - dokladne) / b; if (d < 0) d = -d
                if (d <= 1) w1++; if (d <= 2) w2++
                printf "  %s ± %s\n", v, b
            }
            v = ""; b = ""
        }
        END { printf "  odpowiedzi %d z %d; w 1 błędzie %d (%.0f %%), w 2 błędach %d (%.0f %%)\n",
              n, badan, w1, n ? 100 * w1 / n : 0, w2, n ? 100 * w2 / n : 0 }'
}

for czesc in $czesci; do
    case $czesc in
    k20 | k40 | c8)
        case $czesc in
        k20) opcje="--osie 20 --lambda 0.80:0.95:0.01 --iteracje 2000000"; dokladne=0.8637 ;;
        k40) opcje="--osie 40 --lambda 0.84:0.92:0.01 --iteracje 10000000 --co 2000"; dokladne=0.8742 ;;
        c8) opcje="--siec 3DR --osie 8 --lambda 0.42:0.50:0.01 --iteracje 4000000"; dokladne=0.4586 ;;
        esac
        echo "== $czesc: $opcje --powtorzenia 5, dokładne maksimum $dokladne"
        for z in $(seq 1 "$badan"); do
            # shellcheck disable=SC2086
            "$batch" $opcje --uklad uporzadkowane --powtorzenia 5 --ziarno $((1000 * z))
        done | pokrycie "lambda_max dla tej sieci" "$dokladne"
        ;;
    rozmiary2d)
        echo "== rozmiary 2D: --osie 12,16,24 wokół 0.88, dokładne lambda_c 0.8814"
        for z in $(seq 1 "$badan"); do
            "$batch" --osie 12,16,24 --lambda 0.82:0.94:0.01 --iteracje 400000 --co 100 \
                --uklad uporzadkowane --powtorzenia 4 --ziarno $((1000 * z))
        done | pokrycie "z przecięcia U4" 0.8814
        ;;
    rozmiary3d)
        echo "== rozmiary 3D: --osie 6,8,10 wokół 0.44, dokładne lambda_c 0.4433"
        for z in $(seq 1 "$badan"); do
            "$batch" --siec 3DR --osie 6,8,10 --lambda 0.41:0.47:0.01 --iteracje 400000 \
                --co 100 --uklad uporzadkowane --powtorzenia 4 --ziarno $((1000 * z))
        done | pokrycie "z przecięcia U4" 0.4433
        ;;
    esac
done
