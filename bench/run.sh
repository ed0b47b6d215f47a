#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and prints one table of every figure beside
# its baseline and target. Usage: bench/run.sh [runs per start-up median, default 21]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIZRA_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j2 --target bare_qt quizra_probe quizra_exam_bench quizra_bench \
    make_bank quizra_sample >/dev/null
exec python3 bench/measure.py build-bench "$@"
