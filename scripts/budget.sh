#!/usr/bin/env bash
# The test budget: test code (every source and script under tests/ and
# fuzz/) against program code (src/ and sim/), both counted as lines that
# are neither blank nor only a comment.  Data (golden tables, records,
# corpora) is not code.  Fails when the tests pass 40% of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
count() {
    find "$@" -type f ! -path '*/corpus/*' ! -name '*.t' ! -name '*.hex' ! -name '*.bin' \
        ! -name '*.dict' ! \( -name '*.txt' ! -name CMakeLists.txt \) -exec cat {} + | grep -cvE '^\s*($|//|#[^!]|/?\*)'
}
program=$(count src sim) tests=$(count tests fuzz)
percent=$((100 * tests / program))
echo "program $program lines, tests $tests lines: $percent% (budget 40%, aim 33%)"
[ $((100 * tests)) -le $((40 * program)) ]
