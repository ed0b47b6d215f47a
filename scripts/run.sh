#!/usr/bin/env bash
# Installs what is missing, builds Quizra and opens the menu on the bundled sample bank.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/quizra
