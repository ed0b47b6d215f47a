#!/usr/bin/env bash
# Renders the menu, the exam window in both arrangements and the results sheet on the sample
# bank into docs/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quizra-screenshots quizra_sample
build/quizra-screenshots docs
