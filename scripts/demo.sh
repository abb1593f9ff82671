#!/usr/bin/env bash
# A real edit on a simulated BMC: copies the bundled sample record into a
# fresh directory's simulated FRU device, runs `korrel BSN VALUE` there and
# shows the record's fields before and after.
#
#   scripts/demo.sh [VALUE]          against the project's stand-in BMC
#   scripts/demo.sh --real [VALUE]   against OpenIPMI's ipmi_sim, through the
#                                    real ipmitool (packages ipmitool, openipmi)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
real=0
if [ "${1-}" = --real ]; then
    real=1
    shift
fi
value=${1:-DEMO-$(date +%H%M%S)}

"$top/scripts/deps.sh" build
if [ $real = 1 ]; then
    # deps.sh build leaves these out; without them ipmi_sim merely "does not answer".
    for cmd in ipmitool ipmi_sim; do
        command -v "$cmd" >/dev/null ||
            { echo "--real needs $cmd: install the packages ipmitool and openipmi (scripts/deps.sh test)" >&2; exit 1; }
    done
fi
if [ ! -x "$top/build/korrel" ] || [ ! -x "$top/build/tests/frudump" ] || [ ! -x "$top/build/sim/ipmitool" ]; then
    cmake -S "$top" -B "$top/build" >/dev/null
    cmake --build "$top/build" -j"$(nproc)" >/dev/null
fi

demo=$(mktemp -d /tmp/korrel-demo-XXXXXX)
mkdir "$demo/work"
if [ $real = 1 ]; then
    "$top/scripts/realbmc.sh" start "$demo/bmc" "$top/sim/sample-fru.bin" >/dev/null
    trap '"$top/scripts/realbmc.sh" stop "$demo/bmc"' EXIT
    device=$demo/bmc/fru.bin
    path=$demo/bmc/bin:$PATH
    echo "BMC: ipmi_sim on 127.0.0.1 through /usr/bin/ipmitool"
else
    device=$demo/device.bin
    cp "$top/sim/sample-fru.bin" "$device"
    path=$top/build/sim:$PATH
    echo "BMC: the stand-in in build/sim"
fi
echo "FRU device 0 image: $device"
echo "working directory: $demo/work"
echo
"$top/build/tests/frudump" "$device" >"$demo/before.txt" || true
echo "\$ korrel BSN $value"
status=0
(cd "$demo/work" && PATH=$path FRUSIM_IMAGE=$device "$top/build/korrel" BSN "$value") || status=$?
echo "(exit status $status)"
echo
"$top/build/tests/frudump" "$device" >"$demo/after.txt" || true
echo "Fields before and after (changed lines marked *):"
paste -d '\n' "$demo/before.txt" "$demo/after.txt" | awk '
    NR % 2 == 1 { before = $0; next }
    { if ($0 == before) print "  " $0; else { print "* " before "   (before)"; print "* " $0 "   (after)" } }'
exit $status
