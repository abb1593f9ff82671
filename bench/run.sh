#!/usr/bin/env bash
# korrel's benchmark: `korrel BSN X` against the floor of its child processes
# (the same processes, started back to back by a plain sh script) on the
# stand-in BMC and on the real stack (ipmitool, OpenIPMI's ipmi_sim), beside
# ipmitool's own board serial edit; its requests against the least a record
# needs; its own instructions and peak memory. Prints one markdown table and
# keeps it in bench/results/.   Usage: bench/run.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd) && cd "$top"
unset "${!FRUSIM_@}"

missing=() sudo=
for p in hyperfine valgrind gdb jq ipmitool openipmi cmake g++ make; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ "$(id -u)" -eq 0 ] || sudo=sudo
[ ${#missing[@]} -eq 0 ] || { $sudo apt-get update -q &&
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"; }
cmake -S . -B build -DKORREL_SANITIZE=OFF >/dev/null && cmake --build build -j2 --target korrel fru_sim >/dev/null

k=$top/build/korrel sim=$top/build/sim sample=$top/sim/sample-fru.bin
w=$(mktemp -d) bmc=
export KORREL_STATE_DIR=$w/state  # never the machine's own lock and journal
trap '[ -z "$bmc" ] || scripts/realbmc.sh stop "$bmc"; rm -rf "$w"' EXIT
# What korrel runs besides its requests, in order (src/write/commit.cpp):
# fru.sh itself, without a shell in front, its output through a pipe to
# korrel, which writes out.txt itself; the others through the shell.
sys=("chmod 755 fru.sh" "/bin/sh -e ./fru.sh" "rm -rf fru.txt" "rm -rf out.txt")
for c in "${sys[@]}" "ipmitool raw"; do
    grep -qaF "$c" "$k" || { echo "bench: korrel no longer runs '$c'" >&2; exit 1; }
done

# kor DIR IMAGE ARGS...: korrel ARGS in a fresh DIR on the stand-in BMC whose
# device is the file IMAGE; its requests are logged to DIR/log.
kor() {
    local d=$1 img=$2 && shift 2
    rm -rf "$d" && mkdir -p "$d"
    (cd "$d" && PATH=$sim:$PATH FRUSIM_IMAGE=$img FRUSIM_LOG=$d/log "$k" "$@" >console.txt 2>&1) ||
        { cat "$d/console.txt" >&2; exit 1; }
}

# blocks IMAGE: the blocks the record in IMAGE takes, which is the least a
# read of it needs and the least a write of it sends: up to the end of its
# last area by the areas' length bytes, or of its multirecord chain.
blocks() {
    od -An -v -tu1 -w1 "$1" | awk '{ b[NR - 1] = $1 } END {
        for (r = 2; r <= 4; r++) if (b[r] && b[r] + b[b[r] * 8 + 1] > end) end = b[r] + b[b[r] * 8 + 1]
        if (b[5]) { for (p = b[5] * 8; b[p + 1] < 128; p += 5 + b[p + 2]); end = int((p + 5 + b[p + 2] + 7) / 8) }
        print end }'
}

# internal IMAGE: the blocks of the record's internal use area, which no
# checksum covers and korrel reads twice: up to the area behind it.
internal() {
    od -An -v -tu1 -w1 -N8 "$1" | awk '{ b[NR - 1] = $1 } END {
        for (r = 2; r <= 5; r++) if (b[1] && b[r] > b[1] && (!n || b[r] < n)) n = b[r]
        print b[1] ? n - b[1] : 0 }'
}

# floor LOG: korrel's child processes as a plain script, in korrel's order.
# Requests and fru.sh are run as korrel runs them, without a shell; chmod and
# the clean-up through /bin/sh -c, as korrel's system() does. Output goes to
# /dev/null, not through $(...), for which dash would fork a subshell. The
# commands up to fru.sh's run stand where the writes begin, the read-backs
# follow them, and the clean-up ends it.
floor() {
    echo '#!/bin/sh'
    printf '%s\n' "${sys[@]}" | awk -v q="'" 'NR == FNR { s[++n] = $0; next }
        function sh(c, to) { print "/bin/sh -c " q c q to }
        /^raw 0x0A 0x1[01] / { print "ipmitool " $0 " >/dev/null" }
        /^raw 0x0A 0x12 / && !w++ { sh(s[1]); print s[2] " >>out.txt" }
        END { for (i = 3; i <= n; i++) sh(s[i]) }' - "$1"
}

# hf JSON PREPARE NAME COMMAND...: hyperfine, PREPARE (no shell) before each
# run, in rounds of alternating order (ABC, CBA, ...) so that a drift of the
# busy machine's load falls on every command alike.
hf() {
    local json=$1 prepare=$2 i r fwd=() rev=() && shift 2
    for ((i = 1; i < $#; i += 2)); do
        fwd+=(-n "${!i}" "${@:i+1:1}") rev=(-n "${!i}" "${@:i+1:1}" "${rev[@]}")
    done
    for ((r = 0; r < rounds; r++)); do
        if ((r % 2)); then set -- "${rev[@]}"; else set -- "${fwd[@]}"; fi
        hyperfine -N -w 1 -r "$runs" --style none --prepare "$prepare" --export-json "$w/$json.$r" "$@" \
            >/dev/null 2>"$w/hf.log" || { cat "$w/hf.log" >&2; exit 1; }
    done
}

# row LABEL JSON: korrel against each other command over all rounds of hf: wall
# time (median and min, as load spikes swamp the mean), process tree's CPU time.
row() {
    jq -rs --arg l "$1" 'def f(n): . * n | round / n | tostring | if test("[.e]") then . else . + ".0" end;
        def ms: . * 1e3 | f(10); def x: f(100); def med: sort | (.[(length - 1) / 2 | floor] + .[length / 2 | floor]) / 2;
        [.[].results[]] | group_by(.command) | map(map(.times[]) as $t | {c: .[0].command, m: ($t | med),
            min: ($t | min), cpu: (map(.user + .system) | add / length)}) | (.[] | select(.c == "korrel")) as $k |
        .[] | select(.c != "korrel") |
        "| \($l), wall: median (min) | \($k.m | ms) (\($k.min | ms)) ms | \(.c): \(.m | ms) (\(.min | ms)) ms | \($k.m / .m | x) (\($k.min / .min | x)) |",
        "| \($l), CPU user+sys, process tree (mean) | \($k.cpu | ms) ms | \(.c): \(.cpu | ms) ms | \($k.cpu / .cpu | x) |"' "$w/$2".*
}

echo "bench: request counts" >&2
# Two records made from the sample by korrel itself: one with every field but
# the serial number empty, one whose product end marker is the last byte of
# block 62, so that the read must go on to the checksum in block 63.
cp "$sample" "$w/sparse.bin" && cp "$sample" "$w/long.bin"
kor "$w/gen" "$w/sparse.bin" ONLY_BSN
for key in PN PPN AT BPN CCI; do kor "$w/gen" "$w/long.bin" "$key" "$(printf '%063d' 0)"; done
cp "$sample" "$w/sample.bin"
# A server record with an OEM multirecord: one size request more.
bash scripts/realbmc.sh image tests/records/server-oem.hex "$w/multirecord.orig"
cp "$w/multirecord.orig" "$w/multirecord.bin"
counts=() off=0
for r in sample sparse long multirecord; do
    rmin=$(blocks "$w/$r.bin") twice=$(internal "$w/$r.bin")
    kor "$w/$r" "$w/$r.bin" BSN X
    wmin=$(blocks "$w/$r.bin") smin=$(($(od -An -tu1 -j5 -N1 "$w/$r.bin") > 0))
    reads=$(grep -c '^raw 0x0A 0x11' "$w/$r/log") writes=$(grep -c '^raw 0x0A 0x12' "$w/$r/log")
    sizes=$(grep -c '^raw 0x0A 0x10' "$w/$r/log" || true)
    # The internal use area is read twice, and every block written is read
    # back once.
    verdict=least
    [ "$reads $writes $sizes" = "$((rmin + twice + wmin)) $wmin $smin" ] || verdict="**OFF**" off=1
    counts+=("| requests, $r record: reads (+ internal use again + read-backs) / writes / size | $reads / $writes / $sizes | least: $rmin + $twice + $wmin / $wmin / $smin | $verdict |")
done
# The sample's edit left korrel's own record: the real stack's starting point.
cp "$w/sample.bin" "$w/steady.bin"

# standin RECORD ORIGINAL: korrel BSN X against its floor on the stand-in,
# the device put back to ORIGINAL before each run; results in RECORD.json.
standin() {
    floor "$w/$1/log" >"$w/$1/floor.sh"
    cp "$2" "$w/dev.bin" && rm -f "$w/floor.log"
    (cd "$w/$1" && PATH=$sim:$PATH FRUSIM_IMAGE=$w/dev.bin FRUSIM_LOG=$w/floor.log sh floor.sh)
    cmp -s "$w/floor.log" "$w/$1/log" || { echo "bench: the floor's requests differ from korrel's" >&2; exit 1; }
    (cd "$w/$1" && PATH=$sim:$PATH FRUSIM_IMAGE=$w/dev.bin hf "$1.json" "cp $2 $w/dev.bin" \
        korrel "$k BSN X" floor "sh floor.sh")
}
echo "bench: time, stand-in BMC" >&2
rounds=10 runs=4
standin sample "$sample"
standin multirecord "$w/multirecord.orig"

echo "bench: time, real stack" >&2
# On the vendor sample ipmitool's edit resizes the board area, writes a bad
# header and fails, so all three start from korrel's record of the sample.
rounds=4 runs=2 bmc=$w/bmc
kor "$w/real" "$w/steady.bin" BSN X
floor "$w/real/log" >"$w/real/floor.sh"
scripts/realbmc.sh start "$bmc" "$w/steady.bin" 512 >/dev/null
peer="ipmitool fru edit 0 field b 2 X"
(cd "$w/real" && PATH=$bmc/bin:$PATH hf real.json "ipmitool fru write 0 $w/steady.bin" \
    korrel "$k BSN X" floor "sh floor.sh" "$peer" "$peer")

# callgrind follows no child process unless asked (--trace-children=no).
cp "$sample" "$w/dev.bin"
(cd "$w/sample" && PATH=$sim:$PATH FRUSIM_IMAGE=$w/dev.bin valgrind -q --tool=callgrind \
    --callgrind-out-file="$w/cg.out" "$k" BSN X >/dev/null)
# GNU time's %M is the largest of korrel and its children, so gdb stops korrel
# at its exit_group, memory still mapped, and reads its own VmHWM from /proc.
cp "$sample" "$w/dev.bin"
hwm=$(cd "$w/sample" && PATH=$sim:$PATH FRUSIM_IMAGE=$w/dev.bin gdb -q -batch -ex 'catch syscall exit_group' \
    -ex run -ex 'info proc status' --args "$k" BSN X 2>/dev/null | awk '/^VmHWM/ { print $2 }')

mkdir -p bench/results
out=bench/results/$(date +%Y%m%dT%H%M)-$(git rev-parse --short HEAD).md
{
    echo "korrel benchmark, $(date -R); $(nproc) CPUs, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end."
    echo "Runs a command: 40 on the stand-in BMC (vendor sample record, and a server record with an OEM multirecord), 8 on the real stack (korrel's record of it)."
    echo
    echo "| measure | korrel | reference | korrel / reference |"
    echo "|---|---|---|---|"
    printf '%s\n' "${counts[@]}"
    row "time, stand-in BMC" sample.json
    row "time, stand-in BMC, multirecord record" multirecord.json
    row "time, real stack" real.json
    echo "| instructions, korrel alone (callgrind) | $(awk '/^summary:/ { print $2 }' "$w/cg.out") | | |"
    echo "| peak resident memory, korrel alone (VmHWM at exit) | $hwm kB | | |"
} | tee "$out"
echo "bench: written to $out" >&2
exit $off
