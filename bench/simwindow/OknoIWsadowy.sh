#!/bin/sh
# The window's series with drawing off against fazolab-batch running the same
# series (100 x 100 square, lambda 0.1..2.4 by 0.1, 1 000 000 iterations,
# sampled every 1000), with a screen reader's bus running and a listener on
# it. Run from the build folder under a display and a session bus:
#   xvfb-run -a dbus-run-session -- sh ../bench/simwindow/OknoIWsadowy.sh [RUNS]
# Prints, per run, the window's wall and processor time from "Licz    " to
# the end and the batch runner's whole-process wall and processor time (user +
# system, by GNU time), in seconds, and their ratios.
set -eu
runs=${1:-3}
here=$(dirname "$0")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 1
/usr/bin/python3 "$here/SluchaczCzytnika.py" &
reader=$!
sleep 1
i=0
while [ "$i" -lt "$runs" ]; do
    okno=$(bench/simwindow/fazolab_seria_okna)
    wsadowo=$( { /usr/bin/time -f '%e %U %S' cli/fazolab-batch --siec 2DKwadrat --osie 100 \
        --lambda 0.1:2.4:0.1 --iteracje 1000000 --co 1000 --ziarno 1 --generator okna >/dev/null; } 2>&1 | tail -n 1)
    echo "$okno $wsadowo" | awk '{c = $4 + $5; printf "okno %.2f s (procesor %.2f s)  wsadowo %.2f s (procesor %.2f s)  stosunek %.2f (procesor %.2f)\n", $1, $2, $3, c, $1 / $3, $2 / c}'
    i=$((i + 1))
done
kill "$reader" "$bus" 2>/dev/null || true
