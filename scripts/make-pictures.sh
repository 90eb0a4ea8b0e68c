#!/usr/bin/env bash
# Turns the SVG sources in demo/art into the GIF pictures in demo/images.
# The GIFs are committed; run this after changing demo/art (for instance
# after `python3 tools/demo/make_art.py`).
#
#   scripts/make-pictures.sh            convert every SVG
#   scripts/make-pictures.sh tower      convert only demo/art/tower.svg
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
art=$root/demo/art
out=$root/demo/images

need=()
command -v rsvg-convert >/dev/null 2>&1 || need+=(librsvg2-bin)
# a real ImageMagick, not some other program of that name
[ -x /usr/bin/convert ] || need+=(imagemagick)
fc-list 2>/dev/null | grep -ci 'DejaVu Sans' >/dev/null || need+=(fonts-dejavu-core)
if [ ${#need[@]} -gt 0 ]; then
    echo "installing ${need[*]}" >&2
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if [ $# -gt 0 ]; then
    sources=()
    for name in "$@"; do sources+=("$art/${name%.svg}.svg"); done
else
    sources=("$art"/*.svg)
fi

count=0
for svg in "${sources[@]}"; do
    name=$(basename "$svg" .svg)
    rsvg-convert --background-color=white -o "$tmp/$name.png" "$svg"
    # no dithering and no time stamps, so an unchanged drawing gives the same bytes
    /usr/bin/convert "$tmp/$name.png" -strip -alpha off +dither -colors 64 "$out/$name.gif"
    count=$((count + 1))
done
echo "made $count GIF pictures in $out"
