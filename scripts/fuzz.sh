#!/usr/bin/env bash
# Builds every fuzz target of fuzz/ with clang and libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs each for SECONDS on its corpus, which
# starts from the files its fuzz/<Target>.seeds names. Stops on the first crash, leak or
# sanitizer report, leaving the input that caused it in build/fuzz/.
#   scripts/fuzz.sh [SECONDS] [TARGET ...]   (default 60 seconds, every target)
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
    if [ -f "fuzz/$target.seeds" ]; then
        while read -r pattern; do
            [ -z "$pattern" ] && continue
            for seed in $pattern; do
                [ -f "$seed" ] && cp "$seed" "$corpus/"
            done
        done <"fuzz/$target.seeds"
    fi
    echo "== Fuzzing $target for $seconds s"
    "build/fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build/fuzz/$target-" "$corpus"
done
