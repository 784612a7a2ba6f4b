#!/bin/bash
# The study script on a real Slurm: a one-node cluster started here without
# systemd (munged, slurmctld and slurmd in the foreground, on private ports
# of 127.0.0.1, every file in a temporary folder), the study submitted by
# scripts/slurm-badanie.sh as an array job, its parts merged by --scal and
# compared byte for byte with one process; then every daemon is stopped.
# Needs root (the daemons run as root), the control groups mounted and
# Debian's slurmctld, slurmd, slurm-client and munge; skipped (77) without
# them, after the script's refusals of a study no task could run.
# Usage: SlurmTest.sh FAZOLAB_BATCH STUDY_SCRIPT
set -eu
batch=$(realpath "$1")
skrypt=$(realpath "$2")
# What no task could run is refused before anything is submitted, fazolab-batch's
# own checks of the whole study among them.
for zle in "--czesci 0" "--watki=65" "--czesci 9 --powtorzenia 8" "--czesci 8 --powtorzenia=4" \
    "--osie 41" "--lambda=0.1:2.4:0.0000001" "--wyjscie w.csv" "--scal a.txt"; do
    status=0
    komunikat=$(FAZOLAB_BATCH=$batch "$skrypt" $zle 2>&1) || status=$?
    [ "$status" -eq 2 ] && [ "${komunikat#slurm-badanie.sh: }" != "$komunikat" ] || {
        echo "BŁĄD: $zle: exit $status, $komunikat" >&2
        exit 1
    }
done

# The submission itself, to an sbatch that only records what it is asked: the
# parts in a folder named after the study, the merge a job depending on them,
# the same study a second time refused before anything is submitted.
zlecenia=$(mktemp -d)
mkdir "$zlecenia/bin"
cat >"$zlecenia/bin/sbatch" <<'SBATCH'
#!/bin/sh
echo "$FAZOLAB_ROLA $*" >>"$(dirname "$0")/../sbatch.txt"
wc -l <"$(dirname "$0")/../sbatch.txt"
SBATCH
chmod +x "$zlecenia/bin/sbatch"
(
    cd "$zlecenia"
    badanie="--osie 12 --lambda 0.5:1.5:0.5 --iteracje 20000 --powtorzenia 4 --ziarno 31"
    blad() {
        echo "BŁĄD: $*" >&2
        exit 1
    }
    PATH="$zlecenia/bin:$PATH" FAZOLAB_BATCH=$batch "$skrypt" $badanie --czesci 2 --watki 1 \
        >zlecenie.txt || blad "not submitted: $(cat zlecenie.txt)"
    folder=$(ls -d badanie-31-*)
    [ -d "$folder" ] && [ -z "$(ls -A "$folder")" ] || blad "no empty study folder: $(ls -A)"
    [[ $folder =~ ^badanie-31-[0-9a-f]{8}$ ]] || blad "folder name $folder"
    sed -n 1p sbatch.txt | grep -q "^czesc .*--array=0-1 .*--output=$folder/czesc%a.log " ||
        blad "parts: $(sed -n 1p sbatch.txt)"
    sed -n 2p sbatch.txt | grep -q "^scal .*--dependency=afterok:1 .*--output=$folder/scal.log " ||
        blad "merge: $(sed -n 2p sbatch.txt)"
    grep -q "w folderze $folder" zlecenie.txt || blad "$(cat zlecenie.txt)"
    # The same study, spelled otherwise, is the same study.
    status=0
    komunikat=$(PATH="$zlecenia/bin:$PATH" FAZOLAB_BATCH=$batch "$skrypt" \
        --osie=12 --lambda 0.50:1.50:0.50 --iteracje 20000 --powtorzenia=4 --ziarno 31 \
        --czesci 2 --watki 1 2>&1) || status=$?
    [ "$status" -eq 2 ] && echo "$komunikat" | grep -q "folder $folder już istnieje" ||
        blad "second submission: exit $status, $komunikat"
    [ "$(wc -l <sbatch.txt)" -eq 2 ] || blad "submitted again"
    # Another study gets another folder.
    PATH="$zlecenia/bin:$PATH" FAZOLAB_BATCH=$batch "$skrypt" $badanie --ziarno 32 --czesci 2 \
        >/dev/null || blad "another seed not submitted"
    [ "$(ls -d badanie-* | wc -l)" -eq 2 ] || blad "$(ls -d badanie-*)"
) || {
    rm -rf "$zlecenia"
    exit 1
}
rm -rf "$zlecenia"

for program in munged mungekey slurmctld slurmd sbatch squeue scontrol; do
    command -v "$program" >/dev/null || PATH=$PATH:/usr/sbin
    command -v "$program" >/dev/null || {
        echo "brak programu $program: test pominięty"
        exit 77
    }
done
[ "$(id -u)" -eq 0 ] || {
    echo "demony Slurm wymagają roota: test pominięty"
    exit 77
}
# slurmd starts only where the kernel's control groups are mounted, as on
# any booted machine; a bare chroot has none.
mountpoint -q /sys/fs/cgroup || {
    echo "brak grup kontrolnych (/sys/fs/cgroup): slurmd nie wystartuje, test pominięty"
    exit 77
}

folder=$(mktemp -d)
demony=""
straznicy=""
zatrzymaj() {
    # TERM first, KILL for whatever has not ended within five seconds.
    for pid in $demony; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for _ in $(seq 50); do
        zywe=""
        for pid in $demony; do
            kill -0 "$pid" 2>/dev/null && zywe="$zywe $pid"
        done
        [ -z "$zywe" ] && break
        sleep 0.1
    done
    for pid in $demony; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    for pid in $straznicy; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$folder"
}
trap zatrzymaj EXIT
blad() {
    echo "BŁĄD: $*" >&2
    for log in "$folder"/*.log "$folder"/praca/*.log; do
        [ -s "$log" ] && { echo "--- $log"; tail -n 20 "$log"; } >&2
    done
    exit 1
}
# A daemon in the foreground, what it says in its log. A watchman ends it
# after three minutes should this script be killed before its trap runs.
demon() {
    log=$1
    shift
    "$@" >"$folder/$log" 2>&1 &
    pid=$!
    demony="$demony $pid"
    (
        sleep 180 &
        zegar=$!
        trap 'kill "$zegar"; exit 0' TERM
        wait "$zegar"
        kill -KILL "$pid" 2>/dev/null
    ) >/dev/null 2>&1 &
    straznicy="$straznicy $!"
}

chmod 755 "$folder"
mkdir -p "$folder/stan" "$folder/spool" "$folder/praca"
mungekey --create --keyfile="$folder/munge.key"
chmod 600 "$folder/munge.key"
demon munged.log munged --foreground --force --key-file="$folder/munge.key" \
    --socket="$folder/munge.sock" --pid-file="$folder/munged.pid" \
    --log-file="$folder/munged.log" --seed-file="$folder/munged.seed"

# Two ports of their own, away from those of a real cluster (6817, 6818).
port=$((20000 + $$ % 20000))
wezel=$(hostname -s)
cat >"$folder/slurm.conf" <<KONFIGURACJA
ClusterName=fazolabtest
SlurmctldHost=$wezel(127.0.0.1)
SlurmctldPort=$port
SlurmdPort=$((port + 1))
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$folder/munge.sock
CryptoType=crypto/munge
MpiDefault=none
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
SchedulerType=sched/builtin
SelectType=select/cons_tres
SelectTypeParameters=CR_Core_Memory
SlurmdParameters=config_overrides
ReturnToService=2
StateSaveLocation=$folder/stan
SlurmdSpoolDir=$folder/spool
SlurmctldPidFile=$folder/slurmctld.pid
SlurmdPidFile=$folder/slurmd.pid
NodeName=$wezel NodeAddr=127.0.0.1 CPUs=2 RealMemory=2000 State=UNKNOWN
PartitionName=test Nodes=$wezel Default=YES MaxTime=INFINITE State=UP
KONFIGURACJA
export SLURM_CONF="$folder/slurm.conf"
for _ in $(seq 50); do
    [ -S "$folder/munge.sock" ] && break
    sleep 0.1
done
demon slurmctld.log slurmctld -D -i -f "$SLURM_CONF"
demon slurmd.log slurmd -D -f "$SLURM_CONF"
for _ in $(seq 300); do
    [ "$(sinfo -h -o %T 2>/dev/null)" = "idle" ] && break
    sleep 0.1
done
[ "$(sinfo -h -o %T 2>/dev/null)" = "idle" ] || blad "the node did not come up"

cd "$folder/praca"
badanie="--siec 2DKwadrat --osie 10 --lambda 0.5:1.7:0.6 --iteracje 20000 --co 100 --powtorzenia 6 --ziarno 9"
"$batch" $badanie --watki 1 --wyjscie jeden.csv --fluktuacje >jeden.txt
FAZOLAB_BATCH=$batch "$skrypt" $badanie --czesci 3 --watki 1 --pamiec 100M >zlecenie.txt ||
    blad "the study was not submitted: $(cat zlecenie.txt)"
zadanie=$(sed -n 's/^Zadanie \([0-9]*\): .* części.*/\1/p' zlecenie.txt)
scalenie=$(sed -n 's/^Zadanie \([0-9]*\): ich scalenie.*/\1/p' zlecenie.txt)
folder=$(sed -n 's/.* w folderze \(badanie-[0-9a-f-]*\)\.$/\1/p' zlecenie.txt)
[ -n "$zadanie" ] && [ -n "$scalenie" ] && [ -d "$folder" ] ||
    blad "no jobs or folder in: $(cat zlecenie.txt)"
for _ in $(seq 900); do
    [ -z "$(squeue -h -j "$zadanie,$scalenie" 2>/dev/null)" ] && break
    sleep 0.1
done
[ -z "$(squeue -h -j "$zadanie,$scalenie")" ] || blad "the jobs did not end"
stany=$(scontrol -o show job "$zadanie" | grep -o 'JobState=[A-Z]*' | sort | uniq -c)
[ "$(echo "$stany" | tr -s ' ')" = " 3 JobState=COMPLETED" ] || blad "the tasks ended: $stany"
# Each task had the cores its threads use.
scontrol -o show job "$zadanie" | grep -q 'MinCPUsNode=1 ' || blad "not one core per task"
scontrol -o show job "$scalenie" | grep -q 'JobState=COMPLETED' || blad "the merge did not end well"

cmp jeden.csv "$folder/wyniki.csv" || blad "the merged results file differs from one process"
cmp jeden.txt "$folder/scal.log" || blad "the merged summary differs from one process"
echo "1 passed, 0 failed"
