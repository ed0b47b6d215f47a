#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for its share of SECONDS
# (default 60; one share unless the table below gives more), one after another, on a corpus
# seeded from the tests. Crashes land in build-fuzz/findings/.
# Usage: fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(profile_fuzzer numbers_fuzzer cp932_fuzzer checker_fuzzer sheet_csv_fuzzer
    sheet_xlsx_fuzzer)

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUIZRA_FUZZ=ON -DQUIZRA_BUILD_TESTS=OFF -DQUIZRA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

# The bank check reaches the most code, and its coverage still grows after one share.
declare -A shares=([checker_fuzzer]=2)
# A question file's rules show in a few lines; shorter inputs run faster.
declare -A max_len=([checker_fuzzer]=2048)

fuzz/seeds.sh build-fuzz/seeds
mkdir -p build-fuzz/findings
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$t"
    dict=()
    [[ -f fuzz/$t.dict ]] && dict=(-dict="fuzz/$t.dict")
    time=$((seconds * ${shares[$t]:-1}))
    echo "== $t: ${time}s"
    build-fuzz/"$t" "build-fuzz/corpus/$t" "build-fuzz/seeds/$t" "${dict[@]}" \
        -max_total_time="$time" -max_len="${max_len[$t]:-8192}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$t-" || status=1
done
exit $status
