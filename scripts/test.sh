#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and Qt tests, most of
# them again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# fixed-time fuzzing run of the calculation driver.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
jobs=$(nproc)

echo "== Formatting and wording of the tree"
bash scripts/check-tree.sh

echo "== Tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

echo "== The tests again, the desktop program's too, under AddressSanitizer and UndefinedBehaviorSanitizer"
sanitize_start=$SECONDS
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON -DVANTOR_BUILD_GUI=ON \
    -DVANTOR_BUILD_BENCH=OFF > /dev/null
cmake --build build-sanitize -j "$jobs"
# Left out: the installation tests, which check the package's dependencies and lintian's
# view of it (a sanitized build links the sanitizers' libraries), and the real-X tests,
# whose waits are timed for the optimised program and which the tests above already ran.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -LE '^(x11|install)$'
echo "== The sanitized build and its tests took $((SECONDS - sanitize_start)) s"

echo "== Fuzzing the calculation driver (${VANTOR_FUZZ_SECONDS:=60} s)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON \
    -DVANTOR_BUILD_GUI=OFF -DVANTOR_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz -j "$jobs" --target calculate_fuzzer
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/corpus/* "$corpus"/
build-fuzz/bin/calculate_fuzzer -max_total_time="$VANTOR_FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 "$corpus" 2>&1 | tail -n 40
