#!/usr/bin/env bash
# Takes screenshots of the running program on the demo installation, under a virtual
# display.
#
#   scripts/screenshots.sh          the metainfo's screenshots (packaging/screenshots/*.png):
#                                   the first page as it starts, the accessories after Next,
#                                   Next, Next, and the list of materials after one more Next.
#                                   The PNGs are committed; run this after the windows change.
#   scripts/screenshots.sh --all [DIR]
#                                   every page and every accessory tab, at the size the window
#                                   opens with and at the least size it accepts, and every page
#                                   of the Customize dialog, into DIR (default build/screenshots),
#                                   to look at after a layout change.
#
# TAVROLIN_BUILD_DIR names a build to take the program from (default: a release build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

mode=packaging
out="$root/packaging/screenshots"
if [ "${1:-}" = "--all" ]; then
    mode=all
    out="${2:-$root/build/screenshots}"
    [ $# -le 2 ] || { echo "usage: scripts/screenshots.sh [--all [DIR]]" >&2; exit 2; }
elif [ $# -ne 0 ]; then
    echo "usage: scripts/screenshots.sh [--all [DIR]]" >&2
    exit 2
fi

need=()
command -v xvfb-run >/dev/null 2>&1 || need+=(xvfb xauth)
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || need+=(python3-xlib)
[ ${#need[@]} -eq 0 ] || scripts/deps.sh "${need[@]}"

work="$(mktemp -d /tmp/tavrolin-shots-XXXXXX)"
trap 'rm -rf "$work"' EXIT
# The demo's own registry and user folders, apart from the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
scripts/run.sh --layout-only "$work/run" >/dev/null

mkdir -p "$out"
out="$(cd "$out" && pwd)"
# A screen larger than the window's first size, so the window opens at the size a user
# with a common screen sees.
shoot() { xvfb-run -a -s "-screen 0 1920x1200x24" /usr/bin/python3 scripts/drive-program.py "$@" -- "$work/run/tavrolin"; }

if [ "$mode" = packaging ]; then
    shoot shot:"$out/cable.png" key:ctrl+n key:ctrl+n key:ctrl+n wait:0.5 shot:"$out/accessories.png" \
        key:ctrl+n wait:0.5 shot:"$out/materials.png"
    echo "Screenshots in $out"
    exit 0
fi

steps=()
for size in first least; do
    steps+=(size:"$size" shot:"$out/$size-0-cable.png"
        key:ctrl+n shot:"$out/$size-1-antenna.png"
        key:ctrl+n shot:"$out/$size-2-location.png"
        key:ctrl+n wait:0.5 shot:"$out/$size-3-tab1.png")
    # Every accessory tab the site shows; Ctrl+Tab comes back to the first after the last.
    for tab in 2 3 4 5 6 7; do
        steps+=(key:ctrl+Tab shot:"$out/$size-3-tab$tab.png")
    done
    steps+=(key:ctrl+n wait:0.5 shot:"$out/$size-4-materials.png" key:ctrl+r)
done
# Customize, each of its pages in turn (Ctrl+PgDn).
steps+=(size:first dialog:Customize key:alt+t key:Return wait:0.5 shot:"$out/customize-1.png")
for page in 2 3 4 5 6 7 8 9; do
    steps+=(key:ctrl+Page_Down shot:"$out/customize-$page.png")
done
steps+=(key:Escape wait:0.3)
shoot "${steps[@]}"
echo "Screenshots in $out"
