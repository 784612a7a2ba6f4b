#!/bin/sh
# The wheel as a user installs it: built offline by Debian's python3-build
# from the build folder's module, installed into a fresh venv that takes
# numpy from the system, and run from there.
# Usage: KolaTest.sh PYTHON SOURCE_FOLDER BUILD_FOLDER
set -eu
python=$1
zrodla=$2
budowa=$3
folder=$(mktemp -d)
trap 'rm -rf "$folder" "$zrodla/python/build" "$zrodla/python/fazolab.egg-info"' EXIT
if ! FAZOLAB_BUDOWA="$budowa" "$python" -m build --wheel --no-isolation --outdir "$folder/dist" \
    "$zrodla/python" >"$folder/build.log" 2>&1; then
    cat "$folder/build.log"
    exit 1
fi
"$python" -m venv --system-site-packages "$folder/venv"
"$folder/venv/bin/python" -m pip install --no-index --no-deps -q "$folder"/dist/fazolab-*.whl
cd "$folder"
"$folder/venv/bin/python" -c '
import fazolab
assert "/venv/" in fazolab.__file__, fazolab.__file__
w = fazolab.uruchom(osie=6, iteracje=10000, lambdy="0.5:1.0:0.5", ziarno=1)
assert w.bajty().startswith(b"Siec: 2D Kwadratowa")
'
echo "1 passed, 0 failed"
