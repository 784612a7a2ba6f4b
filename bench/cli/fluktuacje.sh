#!/bin/sh
# The figures of the transition from the fluctuations, rerun as a user runs
# them: not a timed test. Usage: bench/cli/fluktuacje.sh [path/to/fazolab-batch] [parts]
# Parts (all by default): pokrycie bledy_cv domyslne pominiete starty trojkatna
# kwadrat kubiczna. Each prints the lines it is read by; the figures go into
# bench/README.md. bledy_cv's reference (some four minutes of one core) is kept
# in $FLUKTUACJE_WZORZEC when that names a file, and read from it when it exists.
set -eu
batch=${1:-build/cli/fazolab-batch}
shift || true
czesci=${*:-pokrycie bledy_cv domyslne pominiete starty trojkatna kwadrat kubiczna}

for czesc in $czesci; do
    case $czesc in
    pokrycie)
        # 20 x 20 on a grid of 0.05 about the peak, one replica a seed: how
        # often the stated error covers the exact finite-lattice peak at fixed composition 0.8637
        # (the results file's transition line).
        echo "== pokrycie 20 x 20, 20 ziaren, dokładne maksimum 0.8637"
        plik=$(mktemp --suffix=.csv)
        for z in $(seq 1 20); do
            "$batch" --osie 20 --lambda 0.70:1.05:0.05 --iteracje 4000000 --co 1000 \
                --uklad uporzadkowane --ziarno "$z" --wyjscie "$plik" --fluktuacje >/dev/null
            iconv -f WINDOWS-1250 -t UTF-8 "$plik" | grep "Lambda (fluktuacje)" | tr -d '\r'
        done | awk -F, -v dokladne=0.8637 '
            { n++; print "  " $0 }
            $3 == "±" { liczb++; d = ($2 - dokladne) / $4; if (d < 0) d = -d
                        if (d <= 1) w1++; if (d <= 2) w2++ }
            END { printf "z błędem %d z %d; w 1 błędzie %d, w 2 błędach %d\n", liczb, n, w1, w2 }'
        rm -f "$plik"
        ;;
    bledy_cv)
        # The per-lambda Cv/kN and its stated error on 20 x 20 about the peak,
        # 20 seeds (one replica each) at 10^6 and 10^7 iterations, against the
        # mean of 20 runs of 10^8 (the replica file's "wynik" lines: lambda, ..,
        # Cv/kN, its error, the verdict).
        echo "== błędy Cv/kN na lambdę: 20 x 20, 20 ziaren, wzorzec 20 x 10^8 iteracji"
        lambdy=0.80:1.00:0.05
        wzorzec=${FLUKTUACJE_WZORZEC:-$(mktemp)}
        if [ ! -s "$wzorzec" ]; then
            "$batch" --osie 20 --lambda $lambdy --iteracje 100000000 --co 10000 --ziarno 1001 \
                --powtorzenia 20 --powtorzenia-plik "$wzorzec" >/dev/null 2>&1
        fi
        for n in 1000000 10000000; do
            plik=$(mktemp)
            "$batch" --osie 20 --lambda $lambdy --iteracje $n --co 1000 --ziarno 1 \
                --powtorzenia 20 --powtorzenia-plik "$plik" >/dev/null 2>&1
            echo "-- $n iteracji: lambda, wzorzec ± jego błąd, średnia, z błędem, w 1 / 2 błędach,"
            echo "   rozrzut / średni błąd (1: błąd uczciwy), w tym bez wykrytego dryfu: w 1 / 2 z"
            awk '
                $1 == "wynik" { l = sprintf("%.2f", $2) }
                FNR == NR && $1 == "wynik" { w[l] += $6; w2[l] += $6 * $6; wn[l]++; next }
                $1 == "wynik" && $7 != "nan" {
                    d = $6 - w[l] / wn[l]; a = d < 0 ? -d : d
                    n[l]++; s[l] += $6; b[l] += $7; r[l] += d * d
                    if (a <= $7) j[l]++; if (a <= 2 * $7) k[l]++
                    if ($8 == "osiagnieta") { o[l]++; if (a <= $7) oj[l]++; if (a <= 2 * $7) ok[l]++ }
                }
                END {
                    for (l in wn) {
                        m = w[l] / wn[l]; e = sqrt((w2[l] / wn[l] - m * m) / (wn[l] - 1))
                        printf "  %s  %.4f ± %.4f  %.4f  %2d  %2d / %2d  %.2f  %2d / %2d z %2d\n", l, m,
                            e, n[l] ? s[l] / n[l] : 0, n[l], j[l], k[l],
                            n[l] ? sqrt(r[l] / n[l]) / (b[l] / n[l]) : 0, oj[l], ok[l], o[l]
                    }
                }' "$wzorzec" "$plik" | sort
            rm -f "$plik"
        done
        [ -n "${FLUKTUACJE_WZORZEC:-}" ] || rm -f "$wzorzec"
        ;;
    domyslne)
        # The transition line of the results file (the 10 x 10 peak is 0.853).
        echo "== 20 ziaren jak z okna: --osie 10 --lambda 0.1:2.4:0.1 --iteracje 100000"
        plik=$(mktemp --suffix=.csv)
        for z in $(seq 101 120); do
            "$batch" --osie 10 --lambda 0.1:2.4:0.1 --iteracje 100000 --ziarno "$z" \
                --wyjscie "$plik" --fluktuacje >/dev/null
            iconv -f WINDOWS-1250 -t UTF-8 "$plik" | grep "Lambda (fluktuacje)" | tr -d '\r'
        done | sort | uniq -c
        rm -f "$plik"
        ;;
    pominiete)
        echo "== dwa przypadki daleko od równowagi (ostatnia kolumna), bez i z --dwa-starty"
        for starty in "" --dwa-starty; do
            "$batch" --osie 100 --lambda 1.2 --iteracje 10000000 --ziarno 500 $starty | sed -n 2p
            "$batch" --siec 3DR --osie 20x20x20 --lambda 0.6 --iteracje 1000000 --ziarno 503 \
                $starty | sed -n 2p
        done
        ;;
    starty)
        # The verdicts without and with the two-start check: 100 x 100 ordering
        # below the transition, 10^7 iterations from a random start (every run
        # far from equilibrium: sigma against 4 ordered-start runs of 10^8),
        # and 20 x 20 about the peak at 10^7 (in equilibrium); 20 seeds each.
        # The replica file's "wynik" lines: lambda, sigma, mean sigma, its
        # error, .., the verdict.
        echo "== dwa starty: liczby werdyktów nie wykryto dryfu / nie osiągnęła / za mało"
        wzorzec=$(mktemp)
        "$batch" --osie 100 --lambda 1.00:1.40:0.10 --iteracje 100000000 --co 10000 \
            --uklad uporzadkowane --ziarno 2001 --powtorzenia 4 --powtorzenia-plik "$wzorzec" \
            >/dev/null 2>&1
        for przypadek in "100 1.00:1.40:0.10" "20 0.80:1.00:0.05"; do
            set -- $przypadek
            for starty in "" --dwa-starty; do
                plik=$(mktemp)
                "$batch" --osie "$1" --lambda "$2" --iteracje 10000000 --ziarno 500 \
                    --powtorzenia 20 $starty --powtorzenia-plik "$plik" >/dev/null 2>&1
                awk -v opis="$1 x $1, $2, ${starty:-test dryfu}" -v wobec=$((${1} == 100)) '
                    $1 == "wynik" { l = sprintf("%.2f", $2) }
                    FNR == NR && $1 == "wynik" { w[l] += $4; wn[l]++; next }
                    $1 == "wynik" {
                        v[$8]++
                        if (wobec && wn[l]) { d = $4 - w[l] / wn[l]; if (!n++ || d < lo) lo = d
                                     if (n == 1 || d > hi) hi = d }
                    }
                    END {
                        printf "  %s: %d / %d / %d", opis, v["osiagnieta"], v["nieosiagnieta"],
                            v["nieznana"]
                        if (n) printf "; sigma - równowaga od %.3f do %.3f", lo, hi
                        printf "\n"
                    }' "$wzorzec" "$plik"
                rm -f "$plik"
            done
        done
        rm -f "$wzorzec"
        ;;
    trojkatna)
        echo "== trójkątna, porządkowanie, c = 0.5: rozmiary 12, 24"
        "$batch" --siec 2DTrojkat --osie 12,24 --lambda 1.2:2.2:0.1 --iteracje 1000000 \
            --co 1000 --ziarno 1 --powtorzenia 5
        ;;
    kwadrat)
        echo "== kwadratowa, porządkowanie: lambda_c = 0.8814"
        "$batch" --osie 12,16,24,32 --lambda 0.82:0.90:0.02 --iteracje 1500000 --co 1000 \
            --uklad uporzadkowane --ziarno 1 --powtorzenia 5
        ;;
    kubiczna)
        echo "== kubiczna, porządkowanie: lambda_c = 0.4433"
        "$batch" --siec 3DR --osie 8,10,12 --lambda 0.41:0.47:0.01 --iteracje 6400000 \
            --co 1000 --uklad uporzadkowane --ziarno 1 --powtorzenia 5
        ;;
    *)
        echo "nieznana część: $czesc" >&2
        exit 2
        ;;
    esac
done
