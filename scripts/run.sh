#!/usr/bin/env bash
# Builds the program, lays out the demo installation beside it and starts it.
#
#   scripts/run.sh                    lay out in build/run and start the program, with
#                                     the maker's demo site (demo/site) served on
#                                     127.0.0.1 for as long as the program runs
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
if [ "$layout_only" -eq 0 ]; then
    command -v python3 >/dev/null 2>&1 || scripts/deps.sh python3
    # The demo run keeps its own registry, so its site and shared folder never touch the
    # user's own installation.
    export XDG_CONFIG_HOME="$dest/config"
    mkdir -p "$XDG_CONFIG_HOME"
fi

# TAVROLIN_BUILD_DIR names a build that is configured already, to take the program from.
build="${TAVROLIN_BUILD_DIR:-build/release}"
[ -n "${TAVROLIN_BUILD_DIR:-}" ] || cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTAVROLIN_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target tavrolin tavrolin-register tavrolin-cli

mkdir -p "$dest/dat" "$dest/images" "$dest/shared"
install -m 755 "$build/src/app/tavrolin" "$dest/tavrolin"
install -m 755 "$build/src/app/tavrolin-cli" "$dest/tavrolin-cli"
# The user's own files survive a new layout; everything else is the installation's.
for f in demo/dat/*; do
    name="$(basename "$f")"
    case "$name" in
        settings.dat | advanced.dat) [ -e "$dest/dat/$name" ] || cp "$f" "$dest/dat/$name" ;;
        *) cp "$f" "$dest/dat/$name" ;;
    esac
done
cp demo/images/* "$dest/images/" 2>/dev/null || true
# A price list that the price update installed (it keeps the old one as M_lom.bak) stays.
if [ ! -e "$dest/shared/M_lom.dat" ] || [ ! -e "$dest/shared/M_lom.bak" ]; then
    cp demo/shared/M_lom.dat "$dest/shared/M_lom.dat"
fi
# The sample projects join the user's own project folder without replacing anything there.
mkdir -p "$dest/data"
for f in demo/data/*; do
    [ -e "$dest/data/$(basename "$f")" ] || cp "$f" "$dest/data/"
done
"$build/src/app/tavrolin-register" --program "$dest" "$dest/shared"

echo "Installation laid out in $dest"
[ "$layout_only" -eq 1 ] && exit 0

port_file="$dest/site.port"
rm -f "$port_file"
python3 scripts/serve-site.py "$root/demo/site" "$port_file" 2>"$dest/site.log" &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -s "$port_file" ] && break
    kill -0 "$server" 2>/dev/null || { echo "The demo site did not start; see $dest/site.log" >&2; exit 1; }
    sleep 0.1
done
[ -s "$port_file" ] || { echo "The demo site did not start; see $dest/site.log" >&2; exit 1; }
site="http://127.0.0.1:$(cat "$port_file")"
"$build/src/app/tavrolin-register" --site "$site" --program "$dest" "$dest/shared" >/dev/null
echo "The maker's demo site is served at $site until the program exits"

status=0
"$dest/tavrolin" || status=$?
exit "$status"
