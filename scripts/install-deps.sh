#!/bin/sh
# Installs the Debian packages that building, running and packaging Fazolab need
# (dpkg-dev and file for the package's library dependencies), and with --testy also those
# of its tests and benchmarks, skipping those already present.
# Every library on a link line is named here, even where a -dev package should
# have pulled it in: libxlsxwriter-dev links -lz without depending on zlib1g-dev.
set -eu
PACKAGES="cmake ninja-build g++ pkg-config
qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6 libqt6opengl6-dev
libxlsxwriter-dev zlib1g-dev imagemagick
qt6-translations-l10n fonts-dejavu-core dpkg-dev file
python3-dev pybind11-dev python3-numpy"
if [ "${1:-}" = "--testy" ]; then
    PACKAGES="$PACKAGES libgtest-dev libbenchmark-dev xvfb xauth unzip clang-format parallel
python3-pytest python3-build python3-venv python3-setuptools python3-wheel
python3-pandas python3-xarray python3-tqdm mypy node-typescript
munge slurmctld slurmd slurm-client"
    # The metainfo's and the desktop entry's validators.
    PACKAGES="$PACKAGES appstream desktop-file-utils"
    # The web build and its tests under Node (scripts/web.sh).
    PACKAGES="$PACKAGES emscripten nodejs node-acorn"
    # The web page's tests: Debian's Chromium driven headless; npm only where no Node ships one.
    PACKAGES="$PACKAGES chromium"
    command -v npm >/dev/null 2>&1 || PACKAGES="$PACKAGES npm"
fi
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
