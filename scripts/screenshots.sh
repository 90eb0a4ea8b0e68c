#!/usr/bin/env bash
# Takes the screenshots that the metainfo shows (packaging/screenshots/*.png) from the
# running program on the demo installation, under a virtual display: the first page as
# it starts, the accessories after Next, Next, Next, and the list of materials after one
# more Next. The PNGs are committed; run this after the windows change.
#
#   scripts/screenshots.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

need=()
command -v xvfb-run >/dev/null 2>&1 || need+=(xvfb xauth)
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || need+=(python3-xlib)
[ ${#need[@]} -eq 0 ] || scripts/deps.sh "${need[@]}"

work="$(mktemp -d /tmp/tavrolin-shots-XXXXXX)"
trap 'rm -rf "$work"' EXIT
# The demo's own registry and user folders, apart from the user's.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
scripts/run.sh --layout-only "$work/run" >/dev/null

out="$root/packaging/screenshots"
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 scripts/drive-program.py \
    shot:"$out/cable.png" key:ctrl+n key:ctrl+n key:ctrl+n wait:0.5 shot:"$out/accessories.png" \
    key:ctrl+n wait:0.5 shot:"$out/materials.png" -- "$work/run/tavrolin"
echo "Screenshots in $out"
