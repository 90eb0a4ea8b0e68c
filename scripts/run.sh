#!/usr/bin/env bash
# Builds the program, lays out the demo installation beside it and starts it.
#
#   scripts/run.sh                    lay out in build/run and start the program
#   scripts/run.sh --layout-only DIR  lay out in DIR (DIR/tavrolin, DIR/dat, DIR/images,
#                                     DIR/shared, DIR/data) and register it, without starting
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

layout_only=0
dest="$root/build/run"
if [ "${1:-}" = "--layout-only" ]; then
    [ $# -eq 2 ] || { echo "usage: scripts/run.sh [--layout-only DIR]" >&2; exit 2; }
    layout_only=1
    mkdir -p "$2"
    dest="$(cd "$2" && pwd)"
elif [ $# -ne 0 ]; then
    echo "usage: scripts/run.sh [--layout-only DIR]" >&2
    exit 2
fi

if [ "$layout_only" -eq 0 ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the program on: set DISPLAY (or run under xvfb-run), or use --layout-only DIR." >&2
    exit 1
fi

scripts/deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTAVROLIN_BENCH=OFF >/dev/null
cmake --build build/release -j2 --target tavrolin tavrolin-register

mkdir -p "$dest/dat" "$dest/images" "$dest/shared"
install -m 755 build/release/src/app/tavrolin "$dest/tavrolin"
# The user's own files survive a new layout; everything else is the installation's.
for f in demo/dat/*; do
    name="$(basename "$f")"
    case "$name" in
        settings.dat | advanced.dat) [ -e "$dest/dat/$name" ] || cp "$f" "$dest/dat/$name" ;;
        *) cp "$f" "$dest/dat/$name" ;;
    esac
done
cp demo/images/* "$dest/images/" 2>/dev/null || true
cp demo/shared/M_lom.dat "$dest/shared/M_lom.dat"
# The sample projects join the user's own project folder without replacing anything there.
mkdir -p "$dest/data"
for f in demo/data/*; do
    [ -e "$dest/data/$(basename "$f")" ] || cp "$f" "$dest/data/"
done
build/release/src/app/tavrolin-register "$dest/shared"

echo "Installation laid out in $dest"
[ "$layout_only" -eq 1 ] && exit 0
exec "$dest/tavrolin"
