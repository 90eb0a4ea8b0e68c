#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core and GUI
# tests, then the installed program from its Debian package (scripts/check-install.sh),
# then the core and GUI tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then every fuzz target, built with clang, for 10 seconds each.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

jobs=2

echo "== Build and test (build/test)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== The installed program: Debian package, desktop files, a start as an unprivileged user"
scripts/check-install.sh build/test

echo "== Core and GUI tests under AddressSanitizer and UndefinedBehaviorSanitizer (build/asan)"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DTAVROLIN_CORE_ONLY=OFF -DTAVROLIN_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build/asan -j"$jobs"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp" \
    ctest --test-dir build/asan --output-on-failure -j"$jobs"

echo "== Fuzz targets, built with clang (build/fuzz)"
scripts/fuzz.sh 10

echo "== All tests passed"
