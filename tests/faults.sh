#!/bin/bash
# The fault matrix: an edit of the sample record with every write made to
# fail in turn by the stand-in BMC, once and for good (read_faults_test.cpp
# does the same to every read, in process).  A write that fails once is sent
# again and the edit succeeds.  Writes refused from a block on end with the
# old record written back byte for byte; writes refused from a call on, the
# restore's own included, leave the new blocks before it and the old ones
# behind, and the message says so.  One loop lists them all as rows, which
# run side by side, two a processor.
#
#   faults.sh KORREL SIMDIR SAMPLE
set -u
umask 022  # korrel refuses a working directory its group may write to
korrel=$(realpath "$1") sim=$(realpath "$2") sample=$(realpath "$3")
unset "${!FRUSIM_@}"
ulimit -f 100000  # a run that cannot stop printing must not fill the disk
# Each run has a state directory, and so a run lock, of its own: no run
# waits for another, and every wait korrel has can be cut to a millisecond.
w=$(mktemp -d)
export KORREL_WAIT_LIMIT=0.001
trap 'rm -rf "$w"' EXIT

check() { # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] || echo "FAIL: $1: expected [$2], got [$3]"
}

# Runs korrel BSN FAULT-MATRIX in a fresh directory with the variable given;
# leaves status, out (its last line), files, reads, writes and the device in
# $d/dev.bin.
edit() {
    d=$(mktemp -d -p "$w") && mkdir "$d/run" && cp "$sample" "$d/dev.bin"
    status=0
    (cd "$d/run" && env PATH="$sim:/usr/bin:/bin" FRUSIM_IMAGE="$d/dev.bin" FRUSIM_LOG="$d/log" \
        KORREL_STATE_DIR="$d/state" "$@" "$korrel" BSN FAULT-MATRIX >../out 2>/dev/null) || status=$?
    out=$(tail -n 1 "$d/out") files=$(ls "$d/run" | tr '\n' ' ')
    reads=$(grep -c '^raw 0x0A 0x11 ' "$d/log") writes=$(grep -c '^raw 0x0A 0x12 ' "$d/log")
}

try() { # FAULT STATUS LAST-LINE FILES READS WRITES DEVICE ("-": a count not checked)
    edit "$1"
    check "$1" "$2 $3|$4" "$status $out|$files"
    [ "$5" = - ] || check "$1: reads" "$5" "$reads"
    [ "$6" = - ] || check "$1: writes" "$6" "$writes"
    cmp -s "$7" "$d/dev.bin" || check "$1: device" "as $(basename "$7")" other
    rm -rf "$d"
}

# Starts one row in the background, as soon as fewer than $parallel run; its
# report is kept apart, to be shown in the rows' order.  A row cut off
# (set -u) prints no FAIL of its own, so its status is checked.
runs=0
row() {
    [ "$(jobs -pr | wc -l)" -lt "$parallel" ] || wait -n
    runs=$((runs + 1))
    { (try "$@") || echo "FAIL: $1: the row ended with status $?"; } >"$w/report.$runs" &
}

edit
cp "$d/dev.bin" "$w/new.bin"
check "the edit without faults" "0 fru.sh " "$status $files" >"$w/report"
# The reads of the record before the writes, and all with the read-backs
# behind them (tests/golden/verify.t's).
nall=$reads nreads=$(sed '/^raw 0x0A 0x12 /,$d' "$d/log" | grep -c '^raw 0x0A 0x11 ')
nwrites=$writes done=------------------------ kept="fru.sh fru.txt out.txt "
parallel=$((2 * $(nproc)))
restored="The old record was written back and reads as before: the BMC holds it unchanged."
partly="reads the record first, and finishes this write or says how to (README, Safety)."
# Every write: refused once or storing seven of its eight bytes once, then
# refused from that block on, and from that call on.
for ((k = 0; k < nwrites; k++)); do
    if ((k % 2)); then
        row FRUSIM_WRITE_COUNT=$k:07 0 $done "fru.sh " "$nall" $((2 * nwrites - k)) "$w/new.bin"
    else
        row FRUSIM_FAIL_WRITE=$k 0 $done "fru.sh " "$nall" $((nwrites + 1)) "$w/new.bin"
    fi
    row FRUSIM_FAIL_WRITE_BLOCK=$k 1 "$restored" "$kept" $((nreads + k + 1)) - "$sample"
    { head -c $((8 * k)) "$w/new.bin" && tail -c +$((8 * k + 1)) "$sample"; } >"$w/part$k.bin"
    if cmp -s "$w/part$k.bin" "$sample"; then
        row FRUSIM_FAIL_WRITE=$k- 1 "$restored" "$kept" - - "$sample"
    else
        row FRUSIM_FAIL_WRITE=$k- 1 "$partly" "$kept" - - "$w/part$k.bin"
    fi
done

wait
for ((i = 1; i <= runs; i++)); do cat "$w/report.$i"; done >>"$w/report"
cat "$w/report"
echo "faults: $nwrites writes made to fail in $runs runs, $(grep -c ^FAIL "$w/report") failures"
! grep -q ^FAIL "$w/report"
