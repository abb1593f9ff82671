#!/bin/bash
# The fault matrix: an edit of the sample record with every read and every
# write made to fail in turn, refused or answered wrongly by the stand-in
# BMC.  A failed read must leave everything as it was; a failed write must be
# reported, and leave the new record's blocks before it and the old ones
# behind it.
#
#   faults.sh KORREL SIMDIR SAMPLE
set -u
umask 022  # korrel refuses a working directory its group may write to
korrel=$(realpath "$1") sim=$(realpath "$2") sample=$(realpath "$3")
unset "${!FRUSIM_@}"
ulimit -f 100000  # a run that cannot stop printing must not fill the disk
w=$(mktemp -d)
trap 'rm -rf "$w"' EXIT
failures=0

check() { # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && return
    echo "FAIL: $1: expected [$2], got [$3]"
    failures=$((failures + 1))
}

# Runs korrel BSN FAULT-MATRIX with the variables given; leaves out, status,
# files, reads, writes and the device in $w/dev.bin.
edit() {
    rm -rf "$w/run" "$w/log" && mkdir "$w/run" && cp "$sample" "$w/dev.bin"
    status=0
    (cd "$w/run" && env PATH="$sim:/usr/bin:/bin" FRUSIM_IMAGE="$w/dev.bin" FRUSIM_LOG="$w/log" \
        "$@" "$korrel" BSN FAULT-MATRIX >../out 2>/dev/null) || status=$?
    out=$(cat "$w/out") files=$(ls "$w/run" | tr '\n' ' ')
    reads=$(grep -c '^raw 0x0A 0x11 ' "$w/log" 2>/dev/null) writes=$(grep -c '^raw 0x0A 0x12 ' "$w/log" 2>/dev/null)
}

edit
cp "$w/dev.bin" "$w/new.bin"
check "the edit without faults" "0 fru.sh " "$status $files"
nreads=$reads nwrites=$writes
# Answers of other counts, cut short, or not hex, one after another.
shapes=(" 07 01 02 03 04 05 06 07" " 18 01 02 03 04 05 06 07 08" " 00" "" " 08 01 02 03 04 05 06 07"
    " 08 01 02 03 04 05 06 07 g8" " 08 1 2 3 4 5 6 7 8 9 a b c" "08 01 02 03 04 05 06 07 08")
for ((k = 0; k < nreads; k++)); do
    fault=FRUSIM_FAIL_READ=$k
    [ $((k % 2)) = 1 ] && fault="FRUSIM_READ_LINE=$k:${shapes[k / 2 % ${#shapes[@]}]}"
    edit "$fault"
    check "$fault" "1 Read FRU from BMC ~Error!!!Read FRU Failed. $((k + 1)) 0" "$status ${out##*$'\n'} $reads $writes"
    cmp -s "$sample" "$w/dev.bin" || check "$fault: device" unchanged changed
done

# A write refused, or one that stores seven of its eight bytes, at every block.
for ((k = 0; k < nwrites; k++)); do
    at=$((8 * k))
    if [ $((k % 2)) = 0 ]; then
        fault=FRUSIM_FAIL_WRITE=$k sent=$((k + 1))
        want() { head -c $at "$w/new.bin"; tail -c +$((at + 1)) "$sample"; }
    else
        fault=FRUSIM_WRITE_COUNT=$k:07 sent=$nwrites
        want() { head -c $((at + 7)) "$w/new.bin"; tail -c +$((at + 8)) "$sample" | head -c 1; tail -c +$((at + 9)) "$w/new.bin"; }
    fi
    edit "$fault"
    check "$fault" "1 Execute fru.sh ~Error!!!Write FRU Failed. fru.sh fru.txt out.txt  $sent" \
        "$status ${out##*$'\n'} $files $writes"
    want >"$w/want.bin"
    cmp -s "$w/want.bin" "$w/dev.bin" || check "$fault: device" "the new blocks before block $k" other
done

echo "faults: $nreads reads and $nwrites writes made to fail, $failures failures"
[ $failures = 0 ]
