#!/bin/sh
# Installs the Debian packages that building, running and testing Fazolab need,
# skipping those already present.
set -eu
PACKAGES="qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n fonts-dejavu-core
xvfb xauth imagemagick cmake ninja-build g++ libgtest-dev libbenchmark-dev clang-format dpkg-dev
libxlsxwriter-dev pkg-config qt6-svg-dev libqt6svg6 unzip"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
