#!/usr/bin/env bash
# Builds korrel and runs every test, installing what the tests need first;
# then a short run of each fuzzer, and the suite once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (less the Debian package
# and the Ansible fleet, which test the deployment, not the code).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/deps.sh test
cmake -S . -B build -DKORREL_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

# Ten seconds each; scripts/fuzz.sh SECONDS runs them for longer.
scripts/fuzz.sh 10

# Any sanitizer report aborts the process it is in, and so fails its test.
cmake -S . -B build-asan -DKORREL_WERROR=ON -DKORREL_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE 'package|fleet'
