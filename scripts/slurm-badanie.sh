#!/bin/sh
# One study of fazolab-batch as a Slurm job array: 64 replicas in 8 parts, one
# task per part, the array index as the part's number K. When every task has
# ended, merge the parts in the submitting folder:
#     fazolab-batch --scal czesc*.txt --wyjscie wyniki.csv --fluktuacje
# Every task must run the same study: only --czesc differs between them.
#SBATCH --job-name=fazolab-badanie
#SBATCH --array=0-7
#SBATCH --cpus-per-task=2
#SBATCH --mem=200M
#SBATCH --time=02:00:00
#SBATCH --output=czesc%a.log
set -eu
exec fazolab-batch --siec 2DKwadrat --osie 40 --uklad uporzadkowane --lambda 0.6:1.2:0.1 \
    --iteracje 1000000 --powtorzenia 64 --ziarno 7 --watki "${SLURM_CPUS_PER_TASK:-1}" \
    --czesc "${SLURM_ARRAY_TASK_ID}/8" --powtorzenia-plik "czesc${SLURM_ARRAY_TASK_ID}.txt"
