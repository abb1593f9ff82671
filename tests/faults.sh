#!/bin/bash
# The fault matrix: an edit of the sample record with every read and every
# write made to fail in turn by the stand-in BMC, once and for good.  A
# request that fails once is sent again and the edit succeeds.  A read that
# keeps failing leaves the device as it was.  Writes refused from a block on
# end with the old record written back byte for byte; writes refused from a
# call on, the restore's own included, leave the new blocks before it and
# the old ones behind, and the message says so.  One loop goes over them all.
#
#   faults.sh KORREL SIMDIR SAMPLE
set -u
umask 022  # korrel refuses a working directory its group may write to
korrel=$(realpath "$1") sim=$(realpath "$2") sample=$(realpath "$3")
unset "${!FRUSIM_@}"
ulimit -f 100000  # a run that cannot stop printing must not fill the disk
w=$(mktemp -d)
export KORREL_STATE_DIR=$w/state  # never the machine's own lock and journal
trap 'rm -rf "$w"' EXIT
failures=0

check() { # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && return
    echo "FAIL: $1: expected [$2], got [$3]"
    failures=$((failures + 1))
}

# Runs korrel BSN FAULT-MATRIX with the variable given; leaves status, out
# (its last line), files, reads, writes and the device in $w/dev.bin.
edit() {
    rm -rf "$w/run" "$w/log" "$KORREL_STATE_DIR" && mkdir "$w/run" && cp "$sample" "$w/dev.bin"
    status=0
    (cd "$w/run" && env PATH="$sim:/usr/bin:/bin" FRUSIM_IMAGE="$w/dev.bin" FRUSIM_LOG="$w/log" \
        "$@" "$korrel" BSN FAULT-MATRIX >../out 2>/dev/null) || status=$?
    out=$(tail -n 1 "$w/out") files=$(ls "$w/run" | tr '\n' ' ')
    reads=$(grep -c '^raw 0x0A 0x11 ' "$w/log") writes=$(grep -c '^raw 0x0A 0x12 ' "$w/log")
}

try() { # FAULT STATUS LAST-LINE FILES READS WRITES DEVICE ("-": a count not checked)
    edit "$1"
    check "$1" "$2 $3|$4" "$status $out|$files"
    [ "$5" = - ] || check "$1: reads" "$5" "$reads"
    [ "$6" = - ] || check "$1: writes" "$6" "$writes"
    cmp -s "$7" "$w/dev.bin" || check "$1: device" "as $(basename "$7")" other
}

edit
cp "$w/dev.bin" "$w/new.bin"
check "the edit without faults" "0 fru.sh " "$status $files"
# The reads of the record before the writes; the read-backs behind them are
# tests/golden/verify.t's.
nall=$reads nreads=$(sed '/^raw 0x0A 0x12 /,$d' "$w/log" | grep -c '^raw 0x0A 0x11 ')
nwrites=$writes done=------------------------ kept="fru.sh fru.txt out.txt "
restored="The old record was written back and reads as before: the BMC holds it unchanged."
partly="reads the record first, and finishes this write or says how to (README, Safety)."
# Wrong read answers: other counts, cut short, or not hex, in turn.
shapes=(" 07 01 02 03 04 05 06 07" " 18 01 02 03 04 05 06 07 08" " 00" "" " 08 01 02 03 04 05 06 07"
    " 08 01 02 03 04 05 06 07 g8" " 08 1 2 3 4 5 6 7 8 9 a b c" "08 01 02 03 04 05 06 07 08")
# Every read, then every write: a read refused or answered wrongly once,
# then refused from that one on; a write refused once or storing seven of
# its eight bytes once, then refused from that block on, and from that call on.
for ((i = 0; i < nreads + nwrites; i++)); do
    k=$((i < nreads ? i : i - nreads))
    if ((i < nreads)); then
        once=FRUSIM_FAIL_READ=$k
        ((k % 2)) && once="FRUSIM_READ_LINE=$k:${shapes[k / 2 % ${#shapes[@]}]}"
        try "$once" 0 $done "fru.sh " $((nall + 1)) "$nwrites" "$w/new.bin"
        try FRUSIM_FAIL_READ=$k- 1 "Read FRU from BMC ~Error!!!Read FRU Failed." "" $((k + 5)) 0 "$sample"
        continue
    fi
    if ((k % 2)); then
        try FRUSIM_WRITE_COUNT=$k:07 0 $done "fru.sh " "$nall" $((2 * nwrites - k)) "$w/new.bin"
    else
        try FRUSIM_FAIL_WRITE=$k 0 $done "fru.sh " "$nall" $((nwrites + 1)) "$w/new.bin"
    fi
    try FRUSIM_FAIL_WRITE_BLOCK=$k 1 "$restored" "$kept" $((nreads + k + 1)) - "$sample"
    { head -c $((8 * k)) "$w/new.bin" && tail -c +$((8 * k + 1)) "$sample"; } >"$w/part.bin"
    if cmp -s "$w/part.bin" "$sample"; then
        try FRUSIM_FAIL_WRITE=$k- 1 "$restored" "$kept" - - "$sample"
    else
        try FRUSIM_FAIL_WRITE=$k- 1 "$partly" "$kept" - - "$w/part.bin"
    fi
done

echo "faults: $nreads reads and $nwrites writes made to fail, $failures failures"
[ $failures = 0 ]
