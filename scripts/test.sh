#!/usr/bin/env bash
# Builds korrel and runs every test, installing what the tests need first.
# The whole suite runs on korrel as it is shipped; then korrel built with
# AddressSanitizer and UndefinedBehaviorSanitizer runs the fast suite again,
# and each fuzz target runs for a few seconds.  The test budget comes first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/deps.sh test
scripts/budget.sh
cmake -S . -B build -DKORREL_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# Any sanitizer report aborts the process it is in, and so fails its test.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKORREL_FUZZ=ON -DKORREL_WERROR=ON
cmake --build build-fuzz -j"$(nproc)"
ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)" -L fast
scripts/fuzz.sh 10
