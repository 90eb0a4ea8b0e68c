#!/usr/bin/env bash
# Builds every fuzz target of fuzz/ with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs each for SECONDS on its corpus, which
# starts from the files its fuzz/<Target>.seeds names and the inputs kept in
# tests/data/fuzz/<Target>/. Stops on the first crash, leak, sanitizer report or broken
# property, leaving the input that caused it in build/fuzz/.
#   scripts/fuzz.sh [SECONDS] [TARGET ...]   (default 60 seconds, every target)
# Lines of a .seeds file that start with "-" are libFuzzer options of that target. Inputs
# are at most 1024 bytes unless a target says otherwise: every rule of the line formats
# fits in a few hundred bytes, and longer inputs only repeat lines and slow the search
# (longer seeds are cut to the limit). FUZZ_RUNS=N also stops each target after N
# executions; FUZZ_MAX_LEN=N sets the limit for every target.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true

scripts/deps.sh

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROLIN_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build build/fuzz -j2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

for target in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    patterns=("tests/data/fuzz/$target/*")
    options=(-max_len=1024)
    if [ -f "fuzz/$target.seeds" ]; then
        while read -r line; do
            case "$line" in
            "") ;;
            -*) options+=("$line") ;;
            *) patterns+=("$line") ;;
            esac
        done <"fuzz/$target.seeds"
    fi
    [ -n "${FUZZ_MAX_LEN:-}" ] && options+=("-max_len=$FUZZ_MAX_LEN")
    for pattern in "${patterns[@]}"; do
        for seed in $pattern; do
            [ -f "$seed" ] && cp "$seed" "$corpus/"
        done
    done
    echo "== Fuzzing $target for $seconds s"
    "build/fuzz/fuzz/$target" -max_total_time="$seconds" -runs="${FUZZ_RUNS:--1}" "${options[@]}" \
        -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" "$corpus"
done
