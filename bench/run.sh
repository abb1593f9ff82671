#!/usr/bin/env bash
# korrel's benchmark, one run on this machine:
#   1. requests per `korrel BSN X` against the least the record allows, for
#      several records (fails when any count is off);
#   2. time against the floor, the child processes a run is made of started
#      back to back by a plain shell script, on the stand-in BMC;
#   3. the same on the real stack (ipmitool, ipmi_sim on loopback), beside
#      ipmitool's own board serial number edit;
#   4. korrel's own instructions and peak resident memory.
# Prints a markdown table and writes it to bench/results/.
# Usage: bench/run.sh
#
# rec_read sets its rec_* results by name, and each BMC gets its PATH in a
# subshell of its own on purpose.
# shellcheck disable=SC2154,SC2030,SC2031
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
# shellcheck source=bench/records.sh
source bench/records.sh

started=$(date +%s%N)
# Timing runs in short hyperfine rounds, the first with warm-up runs; the
# command order turns by one each round so that a busy spell of the machine
# falls on every command alike.
readonly kWarmup=2
readonly kStandInRounds=20 kStandInRuns=4
readonly kRealRounds=15 kRealRuns=2
readonly kEdit=(BSN X)
readonly kSample=$top/sim/sample-fru.bin
# The commands korrel hands to system(), in order; popen and system both
# start them with /bin/sh -c.
readonly kSystemCommands=("chmod 755 fru.sh" "rm -rf out.txt" "/bin/sh -e ./fru.sh >> out.txt"
    "rm -rf fru.txt" "rm -rf out.txt")
readonly kReadRequest="raw 0x0A 0x11 "
readonly kWriteRequest="raw 0x0A 0x12 "

die() { echo "bench: $*" >&2; exit 1; }
note() { echo "bench: $*" >&2; }

install_missing() {
    local p missing=() sudo=
    for p in hyperfine valgrind time ipmitool openipmi cmake g++ make; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    note "installing: ${missing[*]}"
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

work='' bmc=''
cleanup() {
    if [ -n "$bmc" ]; then "$top/scripts/realbmc.sh" stop "$bmc" || true; fi
    if [ -n "$work" ]; then rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

build() {
    note "building korrel (Release) in build-bench"
    { cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF &&
        cmake --build build-bench -j"$(nproc)" &&
        c++ -O2 -std=c++17 -Wall -Wextra -o build-bench/peakrss bench/peakrss.cpp; } \
        >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; die "build failed"; }
    korrel=$top/build-bench/korrel sim=$top/build-bench/sim
    # The floor repeats korrel's commands; they must still be korrel's.
    local c
    for c in "${kSystemCommands[@]}" "ipmitool $kReadRequest"; do
        grep -qaF "$c" "$korrel" || die "korrel no longer runs '$c': bench/run.sh needs updating"
    done
}

# Runs `korrel BSN X` in DIR against the stand-in BMC holding DIR/dev.bin;
# extra variables (FRUSIM_LOG=...) come first.
standin_korrel() {
    local dir=$1
    shift
    (cd "$dir" && env "$@" PATH="$sim:$PATH" FRUSIM_IMAGE="$dir/dev.bin" \
        "$korrel" "${kEdit[@]}" >"$dir/console.txt" 2>&1)
}

# Lines of FILE that match PATTERN; 0 for a missing file.
count_lines() {
    if [ -f "$2" ]; then grep -c "$1" "$2" || true; else echo 0; fi
}

# ---- 1. Requests ----------------------------------------------------------

count_fail=0
count_rows=()

# count_record NAME IMAGE: one edit on a fresh copy; reads must be the end
# marker's block + 1 and writes the blocks of the image korrel's layout needs
# for the edited fields, both worked out from the bytes here, not by korrel.
count_record() {
    local name=$1 d=$work/count/$1 status=0 board reads_min last1 writes_min fits
    local reads writes_log writes_script verdict=ok written=-
    mkdir -p "$d"
    cp "$2" "$d/dev.bin"
    rec_read "$d/dev.bin" || die "$name: the bench cannot read its own record"
    reads_min=$((rec_marker_p / kBlockSize + 1))
    last1=$((rec_off_p + rec_len_p))
    # shellcheck disable=SC2206
    local b=($rec_fields_b)
    b[kBsnIndex]=${#kEdit[1]}
    board="${b[*]}"
    writes_min=$(rec_image_blocks "$rec_fields_c" "$board" "$rec_fields_p")
    fits=1
    if [ "$reads_min" -gt $kReadBlocks ]; then
        # Past the read bound korrel must stop after the last block it may
        # read, refuse the record and write nothing.
        fits=0 reads_min=$kReadBlocks writes_min=0
    fi
    local cells
    cells=("$(echo "$rec_fields_c" | tr ' ' /)" "$(echo "$rec_fields_b" | tr ' ' /)"
        "$(echo "$rec_fields_p" | tr ' ' /)")
    standin_korrel "$d" FRUSIM_LOG="$d/log" || status=$?
    reads=$(count_lines "^$kReadRequest" "$d/log")
    writes_log=$(count_lines "^$kWriteRequest" "$d/log")
    writes_script=$(count_lines "^ipmitool $kWriteRequest" "$d/fru.sh")
    if [ $fits = 1 ]; then
        [ $status -eq 0 ] || verdict="FAIL: exit $status"
        if rec_read "$d/dev.bin"; then
            written=$((rec_off_p + rec_len_p))
            [ "$rec_sums_ok" = 1 ] || verdict="FAIL: bad checksum written"
            [ "$rec_bsn" = "${kEdit[1]}" ] || verdict="FAIL: serial number not set"
            [ "$written" -eq "$writes_min" ] || verdict="FAIL: record of $written blocks written"
        else
            verdict="FAIL: unreadable record written"
        fi
    else
        [ $status -eq 1 ] || verdict="FAIL: exit $status, 1 expected"
        cmp -s "$2" "$d/dev.bin" || verdict="FAIL: device changed"
    fi
    [ "$reads" -eq "$reads_min" ] || verdict="FAIL: $reads reads"
    [ "$writes_log" -eq "$writes_min" ] && [ "$writes_script" -eq "$writes_min" ] ||
        verdict="FAIL: $writes_log writes"
    [ "$verdict" = ok ] || count_fail=1
    [ $fits = 1 ] || verdict="$verdict (refused, exit $status)"
    count_rows+=("| $name | ${cells[0]} | ${cells[1]} | ${cells[2]} | $reads | $reads_min | $last1 | $writes_script | $writes_log | $writes_min | $verdict |")
}

requests() {
    note "1/4 request counts"
    local r=$work/records
    mkdir -p "$r" "$work/count"
    # Every field empty.
    rec_make "$r/empty.bin" 512 "0 0 0" "0 0 0 0 0 0" "0 0 0 0 0 0 0 0"
    # The product area's end marker is the last byte of a block and its
    # checksum needs one more block, which the read can leave out.
    rec_make "$r/marker-at-7.bin" 512 "0 0 0" "0 0 X 0 0 0" "0 4 0 0 0 0 0 0"
    # Seven fields of 63 characters, all the read's 64 blocks: the product
    # area's end marker is in block 63.
    rec_make "$r/seven-63.bin" 512 "63 63 63" "63 63 X 63 0 0" "63 12 0 0 0 0 0 0"
    # The board's fields take all 256 bytes an area may have, before and
    # after the edit; again 64 blocks.
    rec_make "$r/board-256.bin" 512 "0 0 0" "63 63 X 63 59 0" "63 63 63 22 0 0 0 0"
    # Every area full (3x63 / 3x63+61+2 empty / 3x63+59+4 empty): 93 blocks,
    # past the 64 that korrel reads, so korrel must refuse it.
    rec_make "$r/all-areas-full.bin" 744 "63 63 63" "63 63 63 61 0 0" "63 63 63 59 0 0 0 0"
    count_record sample "$kSample"
    local n
    for n in empty marker-at-7 seven-63 board-256 all-areas-full; do count_record "$n" "$r/$n.bin"; done
}

# ---- 2./3. Time -------------------------------------------------------------

# make_floor LOG [nopipe]: the floor script. For each read, /bin/sh -c with
# korrel's command text (newline included) and its output read through a
# pipe, as popen and fgets do; then korrel's system() commands, each through
# /bin/sh -c as system does. dash forks for a command substitution but
# vforks for a plain command, as glibc's popen and system always do, so the
# nopipe variant sends the read output to /dev/null to show that difference.
make_floor() {
    local line c
    echo '#!/bin/sh'
    while read -r line; do
        case $line in "$kReadRequest"*)
            if [ "${2-}" = nopipe ]; then
                printf "/bin/sh -c 'ipmitool %s\n' >/dev/null\n" "$line"
            else
                printf "r=\$(/bin/sh -c 'ipmitool %s\n')\n" "$line"
            fi ;;
        esac
    done <"$1"
    for c in "${kSystemCommands[@]}"; do printf "/bin/sh -c '%s'\n" "$c"; done
}

# rounds TAG ROUNDS RUNS NAME COMMAND [NAME COMMAND...]: hyperfine in the
# current directory and environment; appends "round name seconds" lines to
# $work/TAG.times.
rounds() {
    local tag=$1 nrounds=$2 runs=$3 r i n warmup=$kWarmup
    shift 3
    local names=() cmds=() args
    while [ $# -gt 0 ]; do names+=("$1") cmds+=("$2"); shift 2; done
    n=${#names[@]}
    for ((r = 0; r < nrounds; r++)); do
        args=()
        for ((i = 0; i < n; i++)); do
            args+=(-n "${names[(i + r) % n]}" "${cmds[(i + r) % n]}")
        done
        # Its warnings about outliers would only repeat what the table shows.
        hyperfine -N -w $warmup -r "$runs" --style none --export-json "$work/$tag.$r.json" \
            "${args[@]}" >/dev/null 2>"$work/hyperfine.log" || { cat "$work/hyperfine.log" >&2; exit 1; }
        # hyperfine writes one time per line inside "times": [ ... ].
        awk -v r="$r" '
            /"command":/ { sub(/.*"command": *"/, ""); sub(/".*/, ""); name = $0 }
            /"times":/ { inside = 1; next }
            inside && /\]/ { inside = 0 }
            inside { gsub(/[ ,]/, ""); print r, name, $0 }' "$work/$tag.$r.json" >>"$work/$tag.times"
        # CPU time of the whole process tree, mean of the round.
        awk '
            /"command":/ { sub(/.*"command": *"/, ""); sub(/".*/, ""); name = $0 }
            /"user":/ { sub(/.*: */, ""); user = $0 + 0 }
            /"system":/ { sub(/.*: */, ""); print name, user + $0 }' "$work/$tag.$r.json" >>"$work/$tag.cpu"
        printf . >&2
        warmup=0
    done
    echo >&2
}

median() { sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# stats TAG NAME: "runs min median", seconds.
stats() {
    local tag=$1 name=$2
    awk -v c="$name" '$2 == c { print $3 }' "$work/$tag.times" | sort -g |
        awk '{ v[NR] = $1 } END { printf "%d %.6f %.6f\n", NR, v[1], NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# round_ratio TAG A B: the median over the rounds of A's median / B's median
# in the same round, which a slow drift of the machine does not bias.
round_ratio() {
    local tag=$1 first=$2 second=$3 r m1 m2
    cut -d' ' -f1 "$work/$tag.times" | sort -un | while read -r r; do
        m1=$(awk -v r="$r" -v c="$first" '$1 == r && $2 == c { print $3 }' "$work/$tag.times" | median)
        m2=$(awk -v r="$r" -v c="$second" '$1 == r && $2 == c { print $3 }' "$work/$tag.times" | median)
        awk -v a="$m1" -v b="$m2" 'BEGIN { print a / b }'
    done | median
}

# cpu TAG NAME: mean CPU seconds (user + system) of a run over the rounds.
cpu() { awk -v c="$2" '$1 == c { s += $2; n++ } END { printf "%.6f\n", s / n }' "$work/$1.cpu"; }

ms() { awk -v s="$1" 'BEGIN { printf "%.1f ms", s * 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

standin_time() {
    note "2/4 time, stand-in BMC"
    s=$work/standin
    mkdir -p "$s"
    cp "$kSample" "$s/dev.bin"
    # The first edit turns the sample into korrel's own layout; from then on
    # every run reads and writes the same blocks and leaves the same bytes.
    standin_korrel "$s" || die "korrel failed on the sample: $(cat "$s/console.txt")"
    cp "$s/dev.bin" "$s/steady.bin"
    standin_korrel "$s" FRUSIM_LOG="$s/log" || die "korrel failed: $(cat "$s/console.txt")"
    cmp -s "$s/dev.bin" "$s/steady.bin" || die "a second identical edit changed the device"
    make_floor "$s/log" >"$s/floor.sh"
    make_floor "$s/log" nopipe >"$s/floor-nopipe.sh"
    steady_reads=$(count_lines "^$kReadRequest" "$s/log")
    steady_writes=$(count_lines "^$kWriteRequest" "$s/log")
    # The floors must do the very same requests and leave the same bytes.
    local f
    for f in floor floor-nopipe; do
        (cd "$s" && PATH="$sim:$PATH" FRUSIM_IMAGE="$s/dev.bin" FRUSIM_LOG="$s/$f.log" /bin/sh "$f.sh")
        cmp -s "$s/dev.bin" "$s/steady.bin" || die "$f.sh changed the device"
        cmp -s "$s/log" "$s/$f.log" || die "the requests of $f.sh differ from korrel's"
    done
    (cd "$s" && export PATH="$sim:$PATH" FRUSIM_IMAGE="$s/dev.bin" &&
        rounds standin $kStandInRounds $kStandInRuns korrel "'$korrel' ${kEdit[*]}" \
            floor "/bin/sh floor.sh" floor-nopipe "/bin/sh floor-nopipe.sh")
    cmp -s "$s/dev.bin" "$s/steady.bin" || die "the device changed while timing"
}

real_time() {
    note "3/4 time, real stack (ipmitool and ipmi_sim on 127.0.0.1)"
    local r=$work/real
    bmc=$r/bmc
    mkdir -p "$r/run" "$r/logbin"
    "$top/scripts/realbmc.sh" start "$bmc" "$s/steady.bin" 512 >/dev/null
    cp "$s/floor.sh" "$r/run/"
    # One logged run: the same requests as on the stand-in, the same bytes.
    printf '#!/bin/sh\necho "$*" >>%s/log\nexec %s/bin/ipmitool "$@"\n' "$r" "$bmc" >"$r/logbin/ipmitool"
    chmod 755 "$r/logbin/ipmitool"
    (cd "$r/run" && PATH="$r/logbin:$PATH" "$korrel" "${kEdit[@]}" >console.txt 2>&1) ||
        die "korrel failed on the real stack: $(cat "$r/run/console.txt")"
    cmp -s "$r/log" "$s/log" || die "the real stack saw other requests than the stand-in"
    cmp -s "$bmc/fru.bin" "$s/steady.bin" || die "the real stack holds other bytes than the stand-in"
    (cd "$r/run" && PATH="$bmc/bin:$PATH" ipmitool fru edit 0 field b 2 X >peer.txt 2>&1) ||
        die "ipmitool fru edit failed: $(cat "$r/run/peer.txt")"
    cmp -s "$bmc/fru.bin" "$s/steady.bin" || die "ipmitool's edit left other bytes than korrel's"
    (cd "$r/run" && export PATH="$bmc/bin:$PATH" &&
        rounds real $kRealRounds $kRealRuns \
            korrel "'$korrel' ${kEdit[*]}" floor "/bin/sh floor.sh" \
            peer "ipmitool fru edit 0 field b 2 X")
    cmp -s "$bmc/fru.bin" "$s/steady.bin" || die "the device changed while timing"
    # GNU time on the real stack, whose ipmitool is the largest child.
    (cd "$r/run" && PATH="$bmc/bin:$PATH" /usr/bin/time -f %M -o "$work/maxrss.real" \
        "$korrel" "${kEdit[@]}" >/dev/null 2>&1)
    (cd "$r/run" && PATH="$bmc/bin:$PATH" /usr/bin/time -f %M -o "$work/maxrss.ipmitool" \
        ipmitool raw 0x0A 0x11 0x00 0x00 0x00 0x08 >/dev/null 2>&1)
    "$top/scripts/realbmc.sh" stop "$bmc"
    bmc=
}

# ---- 4. korrel's own cost -------------------------------------------------

cost() {
    note "4/4 instructions and memory, sample record"
    local c=$work/cost
    mkdir -p "$c"
    cp "$kSample" "$c/dev.bin"
    # Children run natively: valgrind does not follow them unless asked.
    (cd "$c" && PATH="$sim:$PATH" FRUSIM_IMAGE="$c/dev.bin" valgrind --tool=callgrind \
        --callgrind-out-file="$c/callgrind.out" "$korrel" "${kEdit[@]}" >/dev/null 2>"$c/valgrind.log") ||
        die "korrel failed under valgrind: $(tail -5 "$c/valgrind.log")"
    instr_total=$(awk '/^summary:/ { print $2 }' "$c/callgrind.out")
    instr_main=$(callgrind_annotate --inclusive=yes "$c/callgrind.out" 2>/dev/null |
        awk '/:main \[/ && !seen { gsub(/,/, "", $1); print $1; seen = 1 }')
    cp "$kSample" "$c/dev.bin"
    (cd "$c" && PATH="$sim:$PATH" FRUSIM_IMAGE="$c/dev.bin" "$top/build-bench/peakrss" \
        "$work/hwm" "$korrel" "${kEdit[@]}" >/dev/null 2>&1) || die "korrel failed under peakrss"
    cp "$kSample" "$c/dev.bin"
    (cd "$c" && PATH="$sim:$PATH" FRUSIM_IMAGE="$c/dev.bin" /usr/bin/time -f %M \
        -o "$work/maxrss.standin" "$korrel" "${kEdit[@]}" >/dev/null 2>&1)
    # The largest of korrel's stand-in children on its own.
    local cmd kb big=0 bigname=
    for cmd in "$sim/ipmitool raw 0x0A 0x11 0x00 0x00 0x00 0x08" "/bin/sh -c true" \
        "/usr/bin/chmod 755 fru.sh" "/usr/bin/rm -rf out.txt"; do
        # shellcheck disable=SC2086
        (cd "$c" && FRUSIM_IMAGE="$c/dev.bin" /usr/bin/time -f %M -o "$work/kb" $cmd >/dev/null 2>&1)
        kb=$(cat "$work/kb")
        if [ "$kb" -gt "$big" ]; then big=$kb bigname=${cmd##*/}; fi
    done
    child_max="$big kB (${bigname%% *})"
}

# ---- 5. Report --------------------------------------------------------------

time_row() {
    local tag=$1 name=$2 label=$3 n min med fmin fmed c fc
    read -r n min med < <(stats "$tag" "$name")
    read -r _ fmin fmed < <(stats "$tag" floor)
    c=$(cpu "$tag" "$name") fc=$(cpu "$tag" floor)
    echo "| $label | $name | $(ms "$min") | $(ms "$med") | $n | $(ratio "$min" "$fmin") | $(ratio "$med" "$fmed") | $(ms "$c") | $(ratio "$c" "$fc") |"
}

# within TAG LIMIT: whether korrel's median is at most LIMIT times the floor's.
within() {
    local med fmed
    read -r _ _ med < <(stats "$1" korrel)
    read -r _ _ fmed < <(stats "$1" floor)
    awk -v a="$med" -v b="$fmed" -v l="$2" 'BEGIN { print a <= b * l ? "yes" : "NO" }'
}

report() {
    local sr nr rr pr
    sr=$(round_ratio standin korrel floor)
    nr=$(round_ratio standin korrel floor-nopipe)
    rr=$(round_ratio real korrel floor)
    pr=$(round_ratio real korrel peer)
    cat <<EOF
## Requests of \`korrel ${kEdit[*]}\` (stand-in BMC, fresh copy of each record)

Field lengths chassis / board / product. Minimum reads: the
product area's end-marker block + 1; minimum writes: the blocks korrel's
layout needs for the edited fields.

| record | chassis | board | product | reads | min reads | product last block + 1 | writes (fru.sh) | writes (BMC) | min writes | result |
|---|---|---|---|---|---|---|---|---|---|---|
$(printf '%s\n' "${count_rows[@]}")

## Time (hyperfine, min / median over all rounds)

Stand-in: $kStandInRounds rounds of $kStandInRuns runs per command, real stack: $kRealRounds rounds of $kRealRuns;
$kWarmup warm-up runs per command ahead of the first round.
Steady state on the sample: $steady_reads reads and $steady_writes writes per run.
The floor runs the same child processes (sh -c per read and per system() command) from a plain /bin/sh script;
floor-nopipe sends the read output to /dev/null, so that dash vforks for the reads too, as korrel does.

| BMC | command | min | median | runs | / floor (min) | / floor (median) | CPU, process tree (mean) | / floor (CPU) |
|---|---|---|---|---|---|---|---|---|
$(time_row standin korrel stand-in)
$(time_row standin floor stand-in)
$(time_row standin floor-nopipe stand-in)
$(time_row real korrel real)
$(time_row real floor real)
$(time_row real peer real)

Per-round median ratios (median over rounds): stand-in korrel/floor $(printf %.3f "$sr"),
korrel/floor-nopipe $(printf %.3f "$nr"), real korrel/floor $(printf %.3f "$rr"), real korrel/peer $(printf %.1f "$pr").
korrel's median within 5 % of the floor's on the stand-in: $(within standin 1.05); within 1 % on the real stack: $(within real 1.01).

## korrel's own cost (sample record, stand-in BMC)

| measure | value |
|---|---|
| instructions, korrel process only (callgrind) | $instr_total |
| of which inside main | $instr_main |
| peak RSS, korrel process only (VmHWM at exit) | $(cat "$work/hwm") kB |
| GNU time %M, stand-in run | $(cat "$work/maxrss.standin") kB |
| GNU time %M, largest stand-in child alone | $child_max |
| GNU time %M, real-stack run | $(cat "$work/maxrss.real") kB |
| GNU time %M, one real ipmitool read alone | $(cat "$work/maxrss.ipmitool") kB |

GNU time's %M is the maximum over korrel and every descendant it waited for
(Linux folds a reaped child's peak into its parent's), so only the VmHWM row
is korrel's own.
EOF
}

main() {
    unset "${!FRUSIM_@}"
    work=$(mktemp -d)
    install_missing
    build
    local load0
    load0=$(cut -d' ' -f1-3 /proc/loadavg)
    requests
    standin_time
    real_time
    cost
    report >"$work/table.md"
    local elapsed stem out
    elapsed=$(awk -v a="$started" -v b="$(date +%s%N)" 'BEGIN { printf "%.0f", (b - a) / 1e9 }')
    stem=$(date +%Y-%m-%dT%H%M)-$(git rev-parse --short HEAD)
    [ -z "$(git status --porcelain -- src sim CMakeLists.txt)" ] || stem+=-dirty
    mkdir -p bench/results
    out=bench/results/$stem.md
    {
        echo "# korrel benchmark $stem"
        echo
        echo "Machine: $(nproc) CPUs, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
            "load average $load0 at the start, $(cut -d' ' -f1-3 /proc/loadavg) at the end;" \
            "$(hyperfine --version), $(valgrind --version). Wall time of bench/run.sh: ${elapsed} s."
        echo
        cat "$work/table.md"
    } >"$out"
    cat "$out"
    echo
    note "results written to $out"
    [ $count_fail -eq 0 ] || die "request counts off the minimum (see the table)"
}

main "$@"
