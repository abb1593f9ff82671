#!/usr/bin/env bash
# A real edit on a simulated BMC: copies the bundled sample record into a
# fresh temporary directory's simulated FRU device, runs `korrel BSN VALUE`
# there and shows the fields before and after as `ipmitool fru print 0` lists
# them. The directory is removed at the end.
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
echo "== building korrel and the stand-in BMC in build/"
cmake -S "$top" -B "$top/build"
cmake --build "$top/build" -j"$(nproc)" --target korrel fru_sim

demo=$(mktemp -d /tmp/korrel-demo-XXXXXX)
export KORREL_STATE_DIR=$demo/state  # leaves nothing behind
cleanup() {
    [ $real = 0 ] || "$top/scripts/realbmc.sh" stop "$demo/bmc"
    rm -rf "$demo"
}
trap cleanup EXIT
mkdir -m 700 "$demo/work"
if [ $real = 1 ]; then
    "$top/scripts/realbmc.sh" start "$demo/bmc" "$top/sim/sample-fru.bin" >/dev/null
    device=$demo/bmc/fru.bin
    path=$demo/bmc/bin:$PATH
    echo "== BMC: ipmi_sim on 127.0.0.1 through /usr/bin/ipmitool"
else
    device=$demo/device.bin
    cp "$top/sim/sample-fru.bin" "$device"
    path=$top/build/sim:$PATH
    echo "== BMC: the stand-in build/sim/ipmitool"
fi
echo "FRU device 0 image: $device"
echo "working directory: $demo/work"
fields() { PATH=$path FRUSIM_IMAGE=$device ipmitool fru print 0 2>/dev/null || true; }
fields >"$demo/before.txt"
echo
echo "\$ korrel BSN $value"
status=0
(cd "$demo/work" && PATH=$path FRUSIM_IMAGE=$device "$top/build/korrel" BSN "$value") || status=$?
echo "(exit status $status)"
fields >"$demo/after.txt"
echo
echo "== fields before (-) and after (+) the edit:"
diff --old-line-format='- %L' --new-line-format='+ %L' --unchanged-line-format='  %L' \
    "$demo/before.txt" "$demo/after.txt" || true
exit $status
