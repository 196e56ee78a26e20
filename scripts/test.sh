#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and Qt tests, the
# engine and kernel tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short fixed-time fuzzing run of the calculation driver.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh

echo "== Tests"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
