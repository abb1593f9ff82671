#!/bin/bash
# korrel through the real IPMI stack: OpenIPMI's ipmi_sim as the BMC on the
# loopback interface, the real ipmitool, and two decoders that share no code
# with korrel, ipmitool's fru print and FreeIPMI's ipmi-fru.  After an edit
# both must show every line they showed before but the edited field's.  A
# row whose arguments start with --fru-id has its record on FRU device 3;
# the other device holds the sample record and must come out as it went in.
#
#   realbmc.sh KORREL
set -u
umask 022  # korrel refuses a working directory its group may write to
korrel=$(realpath "$1")
top=$(cd "$(dirname "$0")/.." && pwd)
fixture=$top/scripts/realbmc.sh
for cmd in ipmitool ipmi_sim /usr/sbin/ipmi-fru; do
    command -v $cmd >/dev/null && continue
    # CI installs them (scripts/deps.sh test): there a missing one is a fault.
    echo "$cmd missing: install ipmitool, openipmi and freeipmi-tools"
    [ "${CI:-}" = true ] && exit 1 || exit 77
done
w=$(mktemp -d)
trap 'for bmc in "$w"/*/bmc; do "$fixture" stop "$bmc"; done 2>/dev/null; rm -rf "$w"' EXIT
# Wrappers named by a row's first argument: an ipmitool that sends writes
# with a wrong password, and one that claims a 512-byte device.
wrappers() {
    mkdir "$w/WRITES-REFUSED" "$w/SIZE-CLAIMED" && printf '#!/bin/sh\ncase "$*" in *" 0x12 "*) exec %s "$@" ;; esac\nexec %s "$@"\n' \
        "$w/bmc/badbin/ipmitool" "$w/bmc/bin/ipmitool" >"$w/WRITES-REFUSED/ipmitool" &&
        printf '#!/bin/sh\n[ "$*" != "raw 0x0A 0x10 0x00" ] || exec echo " 00 02 00"\nexec %s "$@"\n' \
            "$w/bmc/bin/ipmitool" >"$w/SIZE-CLAIMED/ipmitool" && chmod +x "$w"/*/ipmitool
}
views() { # NAME DEVICE: ipmi-fru reads device 3 over the LAN, as it cannot from a file
    "$fixture" print "$w/bmc" "$2" >"$w/$1.tool" 2>/dev/null
    if [ "$2" = 0 ]; then "$fixture" frufile "$w/bmc"; else "$fixture" lanfru "$w/bmc" "$2" 2>/dev/null; fi >"$w/$1.fru"
}

check() { # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && return
    printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
}

long=123456789012345678901234567890123456789012345678901234567890123

# record | device size | korrel's arguments | exit status | last line of its
# output | what both decoders' labels of the edited field hold | what
# ipmi-fru and ipmitool show of the new value, where not the value itself
# ("-": the line stays as it was)
row() {
    local name="$record on $size bytes: korrel $args" bin dev edited other images view shows expect status
    "$fixture" image "$top/tests/records/$record.hex" "$w/record.bin"
    eval "args=($args)"
    bin=$w/bmc/bin
    [ -f "$w/${args[0]}/ipmitool" ] && bin=$w/${args[0]} args=("${args[@]:1}")
    dev=0 edited=fru.bin other=fru3.bin images=("$w/record.bin" "$size" "$top/sim/sample-fru.bin")
    [[ ${args[0]} == --fru-id* ]] && dev=3 edited=fru3.bin other=fru.bin images=("${images[2]}" "$size" "${images[0]}")
    "$fixture" start "$w/bmc" "${images[@]}" >/dev/null || { check "$name: start" ok failed; return; }
    "$fixture" badpass "$w/bmc"
    views before $dev
    cp "$w/bmc/$edited" "$w/before.bin" && cp "$w/bmc/$other" "$w/other.bin"
    mkdir "$w/run"
    status=0
    (cd "$w/run" && PATH=$bin:$PATH "$korrel" "${args[@]}" >../out 2>/dev/null) || status=$?
    check "$name: exit status and last line" "$want $last" "$status $(tail -n 1 "$w/out")"
    views after $dev
    cmp -s "$w/other.bin" "$w/bmc/$other" || check "$name: the device not named" unchanged changed
    if [ "$want" != 0 ]; then
        cmp -s "$w/before.bin" "$w/bmc/$edited" || check "$name: device" unchanged changed
        cmp -s "$w/before.fru" "$w/after.fru" || check "$name: ipmi-fru" "as before" changed
        return
    fi
    # Both decoders show every line as before but the edited field's.
    for view in fru tool; do
        shows=${view}_shows expect="> $label: ${args[-1]}"
        [ -n "${!shows}" ] && expect="> $label: ${!shows}"
        [ "${!shows}" = - ] && expect=
        check "$name: $view" "$expect" "$(diff "$w/before.$view" "$w/after.$view" |
            grep '^[<>]' | grep -v "^<.*$label" | sed "s/^>.*$label.*: */> $label: /; s/ *\$//")"
    done
    # Neither decoder shows the internal use area: its three blocks must stay.
    [ "$record" != vendor ] || check "$name: internal use area" "$(head -c 32 "$w/before.bin" | od -An -tx1 -j8)" \
        "$(head -c 32 "$w/bmc/$edited" | od -An -tx1 -j8)"
}

# Each row in a directory of its own, with its own simulator, wrappers and
# state directory (never the machine's own lock and journal); the rows run
# side by side, a processor each.  A row cut off (set -u, a step that could
# not be taken) prints no FAIL of its own, so its end is checked.
n=0
while IFS='|' read -r record size args want last label fru_shows tool_shows; do
    [ "$(jobs -pr | wc -l)" -lt "$(nproc)" ] || wait -n
    n=$((n + 1))
    (w=$w/$n && mkdir "$w" && export KORREL_STATE_DIR=$w/state && wrappers && (row) ||
        echo "FAIL: row $n ($record $args) did not run to its end"
        "$fixture" stop "$w/bmc") </dev/null >"$w/$n.out" 2>&1 &
done <<EOF
vendor|512|BSN ZM18AS099999|0|------------------------|Board Serial
vendor|512|BPN X11DPU-NEW|0|------------------------|Board Product
vendor|192|BSN ZM18AS012345678901|0|------------------------|Board Serial
vendor|184|BSN ZM18AS012345678901|1|Error!!!FRU Device too small.
vendor|184|SIZE-CLAIMED BSN ZM18AS012345678901|1|The old record was written back and reads as before: the BMC holds it unchanged.
nine-block|512|CSN X|0|------------------------|Chassis Serial
nine-block|512|BPN $long|0|------------------------|Board Product
nine-block|512|PSN $long|0|------------------------|Product Serial
nine-block|512|WRITES-REFUSED BSN X|1|The old record was written back and reads as before: the BMC holds it unchanged.
multirecord|512|BSN X|0|------------------------|Board Serial
customs|512|BSN ZM18AS099999|0|------------------------|Board Serial
board-iu-product|512|PSN 7XYZ999|0|------------------------|Product Serial
binary-ids|512|BSN QTF0009999|0|------------------------|Board Serial
server-oem|512|PSN PS0417-NEW|0|------------------------|Product Serial
picmg|2048|BSN BS0420-NEW|0|------------------------|Board Serial
psu-board|512|--fru-id 3 BSN BS0420-NEW|0|------------------------|Board Serial
psu-board|512|--fru-id=3 PSN PS0420-NEW|0|------------------------|Product Serial
nine-block|512|WRITES-REFUSED --fru-id 3 BSN X|1|The old record was written back and reads as before: the BMC holds it unchanged.
vendor|512|--fru-id 7 BSN X|1|Read FRU from BMC ~Error!!!FRU Device 7 not found.
fmc|512|BSN FMC0009999|0|------------------------|Board Serial
psu|512|PSN P1K2104AB999|0|------------------------|Product Serial
unicode19|512|BSN X-ČD-0002|0|------------------------|Board Serial|-|X
EOF
wait
for ((i = 1; i <= n; i++)); do cat "$w/$i.out"; done | tee "$w/all.out"
failures=$(grep -c '^FAIL' "$w/all.out")
echo "real stack: $failures failures"
[ "$failures" = 0 ]
