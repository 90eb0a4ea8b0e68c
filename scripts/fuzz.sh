#!/usr/bin/env bash
# Fuzzes the INI store with libFuzzer: loads arbitrary bytes, writes them back, loads
# again and stops on any difference or sanitizer report.
#   scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/deps.sh clang libclang-rt-14-dev

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROLIN_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build build/fuzz -j2 --target ini_fuzz

corpus="build/fuzz/corpus"
mkdir -p "$corpus"
cp tests/data/ini/*.ini "$corpus/" 2>/dev/null || true
cp demo/dat/settings.dat demo/dat/mount.dat "$corpus/" 2>/dev/null || true

build/fuzz/fuzz/ini_fuzz -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus"
