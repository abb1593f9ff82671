#!/usr/bin/env bash
# Builds korrel and runs every test, installing what the tests need first.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/deps.sh test
cmake -S . -B build -DKORREL_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
