#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing:
# clang and its libFuzzer runtime build the fuzz targets that the tests run too; chromium
# renders the HTML export and poppler-utils reads the printed PDF back in the tests;
# libxlsxwriter writes the workbook export, which the tests read back with openpyxl; locales
# holds the character maps with which the tests make a locale of Letter paper.
# Usage: scripts/deps.sh [extra-package ...]
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgtest-dev libgmock-dev
    libbenchmark-dev clang-14 libclang-rt-14-dev chromium poppler-utils libxlsxwriter-dev python3-openpyxl
    locales
    # the Debian package, its desktop files, and the installed program on a virtual display
    dpkg-dev file desktop-file-utils appstream xvfb xauth python3-xlib
    "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing Debian packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        sudo=(sudo)
    else
        echo "These packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
