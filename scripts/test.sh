#!/usr/bin/env bash
# Installs what is missing, builds Quizra and runs every test headless.
# With --sanitize: builds in build-asan/ under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, and fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [[ "${1:-}" == "--sanitize" ]]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIZRA_SANITIZE=ON \
        -DQUIZRA_BUILD_BENCH=OFF >/dev/null
    cmake --build build-asan
    export ASAN_OPTIONS=detect_leaks=1
    export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build-asan --output-on-failure -j2
    exit
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
