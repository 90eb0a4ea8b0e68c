#!/usr/bin/env bash
# Turns the SVG sources in demo/art into the GIF pictures in demo/images, each
# also at twice the size (NAME@2x.gif) for screens with a device-pixel ratio of 2,
# and the program's icon packaging/icons/tavrolin.svg into the PNG sizes the desktop
# looks for. The results are committed; run this after changing demo/art (for instance
# after `python3 tools/demo/make_art.py`) or the icon.
#
#   scripts/make-pictures.sh            convert every SVG and the icon
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
    for zoom in 1 2; do
        suffix=""
        [ "$zoom" -eq 1 ] || suffix="@${zoom}x"
        rsvg-convert --zoom="$zoom" --background-color=white -o "$tmp/$name$suffix.png" "$svg"
        # no dithering and no time stamps, so an unchanged drawing gives the same bytes
        /usr/bin/convert "$tmp/$name$suffix.png" -strip -alpha off +dither -colors 64 "$out/$name$suffix.gif"
    done
    count=$((count + 1))
done
echo "made $count GIF pictures (and their @2x) in $out"

if [ $# -eq 0 ]; then
    icons=$root/packaging/icons
    for size in 16 24 32 48 64 128 256; do
        rsvg-convert -w "$size" -h "$size" -o "$tmp/icon.png" "$icons/tavrolin.svg"
        /usr/bin/convert "$tmp/icon.png" -strip "$icons/tavrolin-$size.png"
    done
    echo "made the icon's PNG sizes in $icons"
fi
