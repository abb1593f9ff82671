#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs all three side by side for
# SECONDS each (default 600).  New inputs collect in build-fuzz/corpus/, the
# committed seeds in fuzz/corpus/ stay as they are, and an input that breaks
# a property is saved in build-fuzz/artifacts/.  Exits non-zero when any
# target found something.
set -euo pipefail
seconds=${1:-600}
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
targets=(read textfile encoder)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKORREL_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzzers -j"$(nproc)" >/dev/null
mkdir -p build-fuzz/artifacts

# Paths are absolute: the fru.txt target works in a directory of its own.
pids=()
for t in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$t"
    dict=()
    [ -f "fuzz/$t.dict" ] && dict=(-dict="$top/fuzz/$t.dict")
    "build-fuzz/fuzz/${t}_fuzz" "${dict[@]}" -max_total_time="$seconds" -timeout=5 \
        -print_final_stats=1 -artifact_prefix="$top/build-fuzz/artifacts/$t-" \
        "$top/build-fuzz/corpus/$t" "$top/fuzz/corpus/$t" >"build-fuzz/$t.log" 2>&1 &
    pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
    t=${targets[$i]}
    if wait "${pids[$i]}"; then verdict=clean; else verdict="FOUND SOMETHING"; status=1; fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$t.log")
    echo "fuzz $t: ${runs:-?} executions in ${seconds}s, $verdict (build-fuzz/$t.log)"
    [ "$verdict" = clean ] || grep -E 'ERROR|property broken|runtime error' "build-fuzz/$t.log" | head -5
done
exit $status
