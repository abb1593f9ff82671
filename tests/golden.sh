#!/bin/bash
# Golden runs of the real korrel against the stand-in BMC, in the manner of
# a regress script: each table in tests/golden holds cases of the form
#
#   === what the case shows
#   device: RECORD [SIZE]      tests/records/RECORD.hex, or "sample"
#   patch: OFFSET HEX...       bytes put into the device before the run
#   sum: OFFSET LENGTH         then the region's last byte made its zero checksum
#   run: SHELL LINE            run in a fresh working directory, with a
#                              private state directory (KORREL_STATE_DIR)
#   ...the transcript the run gave...
#
# The runner runs every case again, writes the table anew with the fresh
# transcripts and diffs it with the committed one.  UPDATE=1 keeps the new
# one, for a change meant to alter the transcripts; review its diff.
#
#   golden.sh KORREL SIMDIR TABLE...
set -u
here=$(cd "$(dirname "$0")" && pwd)
umask 022  # korrel refuses a working directory its group may write to
korrel_bin=$(realpath "$1") sim=$(realpath "$2")
shift 2
unset "${!FRUSIM_@}" KORREL_WAIT_LIMIT
ulimit -f 100000  # a run that cannot stop printing must not fill the disk
status=0
# Cases whose run line names the user nobody need root to act as that user;
# for a developer who is not root their committed transcripts stand, under
# CI (which runs as root) never.
privileged=0
[ "$(id -u)" = 0 ] || [ "${CI:-}" = true ] && privileged=1

bytes() { sed 's/#.*//' | xxd -r -p; }

# Runs of reads and of writes of consecutive blocks of one device, each in
# exactly the form korrel sends, are shown as "read 0-34" (on device 0) or
# "read 0-34 of device 0x03"; any other request as it is.
requests() {
    awk 'function at(k, n) { return sprintf("raw 0x0A 0x1%d %s 0x%02X 0x%02X", k, dev, n * 8 % 256, int(n * 8 / 256)) }
        function is(k, n) { return k == 1 ? $0 == at(1, n) " 0x08" : index($0, at(2, n)) == 1 && $0 ~ written }
        function hex(t) { return 16 * index(H, substr(t, 3, 1)) + index(H, substr(t, 4, 1)) - 17 }
        function begins(k) { dev = $4; first = (hex($5) + 256 * hex($6)) / 8; return is(k, first) ? k : 0 }
        function span() { return name[kind] " " first "-" n - 1 (dev == "0x00" ? "" : " of device " dev) }
        BEGIN { name[1] = "read"; name[2] = "write"; written = "^raw( 0x[0-9A-F][0-9A-F])+$"; H = "0123456789ABCDEF" }
        kind && is(kind, n) { n++; next }
        { if (kind) print span(); kind = begins(1) + begins(2); n = first + 1 }
        !kind { print }
        END { if (kind) print span() }'
}

# The device as FreeIPMI's ipmi-fru shows it, a decoder that shares no code
# with korrel; its SDR cache and time zone kept out of the way.
fru() { HOME=.. TZ=UTC /usr/sbin/ipmi-fru --fru-file="$FRUSIM_IMAGE" | tail -n +2; }

# korrel ARGS, its exit status, and what it changed as ipmi-fru shows it.
decoded() { # ARGS...
    fru >../before
    korrel "$@" | tail -n 1
    fru | diff ../before - && echo 'ipmi-fru: as before'
}

# What a case's shell line calls: korrel, with its exit status shown right
# behind its output; and korrel stopped by gdb at a function, its own or the
# C library's (at its first call, or after passing the number of calls
# given), where a shell command changes the working directory under it.
korrel() {
    "$korrel_bin" "$@"
    echo "[exit $?]"
}
stage() { # "FUNCTION [CALLS-TO-PASS]" COMMAND ARGS...
    local at=($1)
    # LeakSanitizer cannot work under ptrace.
    ASAN_OPTIONS=detect_leaks=0 gdb -q -batch -ex "break ${at[0]}" -ex "ignore 1 ${at[1]:-0}" -ex "run $(printf '%q ' "${@:3}")>../gdb.out" -ex "shell $2" \
        -ex continue -ex 'quit $_exitcode' --args "$korrel_bin" >/dev/null 2>&1
    local code=$?
    cat ../gdb.out
    echo "[exit $code]"
}

# The case's device served as FRU device N, the sample record as device 0
# beside it, and afterwards whether device 0 is still the sample.
as_device() { # N COMMAND ARGS...
    cp "$here/../sim/sample-fru.bin" ../dev0.bin
    (export "FRUSIM_IMAGE_$1=$FRUSIM_IMAGE" FRUSIM_IMAGE=$PWD/../dev0.bin && "${@:2}")
    cmp -s ../dev0.bin "$here/../sim/sample-fru.bin" && echo "device 0 unchanged" || echo "device 0 changed"
}

# korrel traced: each bound it arms, in seconds to the millisecond, the run
# lock's wait (its timer) and each pause before a request is sent again;
# nothing is waited out.
waits() {
    strace -qq -e trace=setitimer,clock_nanosleep -o ../trace "$korrel_bin" "$@" >/dev/null 2>&1
    awk -F'[^0-9]+' '/^setitimer/ && $4 $5 != "00" { print "lock", int(($4 + $5 / 1e6) * 1000 + 0.5) / 1000 }
        /^clock_nanosleep/ { print "pause", $3 + $4 / 1e9 }' ../trace
}

# korrel BSN AAAA on the device as the case began, its whole session killed
# as a power loss would once the stand-in has received the request given,
# the K-th (from 0) of its kind, which then never answers.
cut_off() { # READ|WRITE K
    local command=2 i
    [ "$1" = READ ] && command=1
    cp ../before.bin "$FRUSIM_IMAGE"
    : >../log
    env "FRUSIM_HANG_$1=$2" setsid sh -c 'echo $$ >../sid; exec "$0" BSN AAAA >/dev/null 2>&1' "$korrel_bin" &
    for i in $(seq 600); do
        [ "$(grep -c "^raw 0x0A 0x1$command " ../log)" -gt "$2" ] && break
        sleep 0.05
    done
    kill -KILL $(ps -o pid= -s "$(cat ../sid)")
    wait $! 2>/dev/null
}

# An ipmitool first on PATH that runs the shell lines given, then the
# stand-in BMC's in its place.
ipmitool_with() { # SHELL-LINES
    mkdir -p ../bin
    printf '#!/bin/sh\n%s\nexec "%s" "$@"\n' "$1" "$sim/ipmitool" >../bin/ipmitool
    chmod 755 ../bin/ipmitool
    PATH=$PWD/../bin:$PATH
}

nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }

run_case() { # DEVICE PATCHES SUMS SHELL-LINE
    local w record size offset hex sum
    w=$(mktemp -d)
    mkdir "$w/run"
    read -r record size <<<"$1"
    if [ "$record" = sample ]; then cp "$here/../sim/sample-fru.bin" "$w/dev.bin"; else bytes <"$here/records/$record.hex" >"$w/dev.bin"; fi
    [ -z "$size" ] || truncate -s "$size" "$w/dev.bin"
    while read -r offset hex; do
        [ -z "$offset" ] || bytes <<<"$hex" | dd of="$w/dev.bin" bs=1 seek=$((offset)) conv=notrunc status=none
    done <<<"$2"
    while read -r offset size; do
        [ -z "$offset" ] && continue
        sum=$(od -An -v -tu1 -j$((offset)) -N$((size - 1)) "$w/dev.bin" | awk '{ for (i = 1; i <= NF; i++) s += $i } END { printf "%02x", (256 - s % 256) % 256 }')
        bytes <<<"$sum" | dd of="$w/dev.bin" bs=1 seek=$((offset + size - 1)) conv=notrunc status=none
    done <<<"$3"
    cp "$w/dev.bin" "$w/before.bin"
    (cd "$w/run" && export PATH=$sim:/usr/bin:/bin FRUSIM_IMAGE=$w/dev.bin FRUSIM_LOG=$w/log KORREL_STATE_DIR=$w/state &&
        eval "$4") 2>&1 >"$w/out" | sed 's/^/2> /' >"$w/err"
    cat "$w/out" "$w/err"
    local files
    mapfile -t files < <(cd "$w/run" && find . -mindepth 1 -maxdepth 1 -printf ' %P %m %y\n' | sort)
    printf 'files:' && printf '%s' "${files[@]}" && echo
    [ -f "$w/log" ] && requests <"$w/log"
    if cmp -s "$w/before.bin" "$w/dev.bin"; then
        echo "device unchanged"
    else
        diff --old-line-format='-%L' --new-line-format='+%L' --unchanged-line-format= \
            <(od -Ax -v -tx1z -w8 "$w/before.bin") <(od -Ax -v -tx1z -w8 "$w/dev.bin") | grep -v '^.[0-9a-f]*$'
    fi
    rm -rf "$w" 2>/dev/null || { chmod -R u+rwx "$w" && rm -rf "$w"; }
}

# The cases of a table run side by side, two a processor as many wait on a
# child, each into a part of its own, which then takes its place in the
# table.
jobs=$((2 * $(nproc)))
for table in "$@"; do
    fresh=$(mktemp) parts=$(mktemp -d) n=0
    dev='' patches='' sums='' skipping=0
    while IFS= read -r line; do
        case $line in
        "=== "*) skipping=0 dev='' patches='' sums='' ;;
        "device: "*) dev=${line#device: } ;;
        "patch: "*) patches+=${line#patch: }$'\n' ;;
        "sum: "*) sums+=${line#sum: }$'\n' ;;
        "run: "*nobody*) [ $privileged = 1 ] || { echo "SKIP (not root): $line" >&2; echo "$line"; continue; } ;;&
        "run: "*)
            [ "$(jobs -pr | wc -l)" -lt "$jobs" ] || wait -n
            n=$((n + 1)) skipping=1
            run_case "$dev" "$patches" "$sums" "${line#run: }" >"$parts/$n" &
            printf '%s\n@@case %s\n' "$line" $n
            continue ;;
        esac
        [ $skipping = 1 ] || echo "$line"
    done <"$table" >"$fresh.cases"
    wait
    while IFS= read -r line; do
        if [[ $line == "@@case "* ]]; then cat "$parts/${line#@@case }"; else printf '%s\n' "$line"; fi
    done <"$fresh.cases" >"$fresh"
    diff -u "$table" "$fresh" || { status=1; [ "${UPDATE:-0}" = 1 ] && cp "$fresh" "$table"; }
    rm -rf "$fresh" "$fresh.cases" "$parts"
done
exit $status
