#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and Qt tests, the
# engine and kernel tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short fixed-time fuzzing run of the calculation driver.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
jobs=$(nproc)

echo "== Formatting and wording of the tree"
bash scripts/check-tree.sh

echo "== Tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Engine, kernel and command-line tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON \
    -DVANTOR_BUILD_GUI=OFF -DVANTOR_BUILD_BENCH=OFF > /dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzzing the calculation driver (${VANTOR_FUZZ_SECONDS:=60} s)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON \
    -DVANTOR_BUILD_GUI=OFF -DVANTOR_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz -j "$jobs" --target calculate_fuzzer
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
build-fuzz/bin/calculate_fuzzer -max_total_time="$VANTOR_FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 "$corpus" 2>&1 | tail -n 40
