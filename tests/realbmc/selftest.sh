#!/bin/bash
# Checks the real-BMC fixture against the answers ipmi_sim is known to give,
# so that a broken fixture or a changed ipmi_sim shows up here and not as a
# puzzling korrel failure. Needs ipmitool, openipmi and freeipmi-tools.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
rb_require
fixture=$here/../../scripts/realbmc.sh
work=$(mktemp -d)
trap '"$fixture" stop "$work/bmc"; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT HUP
failed=0

expect() { # name expected actual
    [ "$2" = "$3" ] && return 0
    echo "FAIL: $1"
    diff -u --label expected --label actual <(printf '%s\n' "$2") <(printf '%s\n' "$3") || true
    failed=1
}

hexdump8() { od -An -v -tx1 -w8 "$1"; }

# The sparse record is 9 blocks, served from a 72-byte device cut from a
# longer image: the device ends right behind the record.
"$fixture" image "$here/sparse.hex" "$work/sparse.bin"
truncate -s 512 "$work/sparse.bin"
"$fixture" start "$work/bmc" "$work/sparse.bin" 72
truncate -s 72 "$work/sparse.bin"
"$fixture" badpass "$work/bmc"

# request | stdout | exit status. Writes come last so reads see the image.
# Reads from the end up to two bytes past it fail one way (ff), further on
# another (c8); both make ipmitool exit 1.
while IFS='|' read -r req out rc; do
    # shellcheck disable=SC2086 # the request is split into its bytes
    got=$("$work/bmc/bin/ipmitool" raw $req 2>/dev/null) && st=0 || st=$?
    expect "raw $req" "$out|$rc" "$got|$st"
done <<'EOF'
0x0A 0x10 0x00| 48 00 00|0
0x0A 0x11 0x00 0x00 0x00 0x08| 08 01 01 02 03 06 00 00 f3|0
0x0A 0x11 0x00 0x40 0x00 0x08| 08 c1 00 00 00 00 00 00 e7|0
0x0A 0x11 0x00 0x44 0x00 0x08| 04 00 00 00 e7|0
0x0A 0x11 0x00 0x47 0x00 0x08| 01 e7|0
0x0A 0x11 0x00 0x48 0x00 0x08||1
0x0A 0x11 0x00 0x4A 0x00 0x08||1
0x0A 0x11 0x00 0x4B 0x00 0x08||1
0x0A 0x11 0x00 0x50 0x00 0x08||1
0x0A 0x12 0x00 0x44 0x00 0x01 0x02 0x03 0x04 0x05 0x06 0x07 0x08||1
0x0A 0x12 0x00 0x48 0x00 0x01 0x02 0x03 0x04 0x05 0x06 0x07 0x08||1
0x0A 0x12 0x00 0x08 0x00 0x01 0x02 0x03 0x04 0x05 0x06 0x07 0x08| 08|0
0x0A 0x12 0x00 0x40 0x00 0xC1 0x00 0x00 0x00 0x00 0x00 0x00 0xE8| 08|0
EOF

# Only the two accepted writes may have reached the file.
cp "$work/sparse.bin" "$work/want.bin"
printf '\001\002\003\004\005\006\007\010' | dd of="$work/want.bin" bs=8 seek=1 conv=notrunc status=none
printf '\350' | dd of="$work/want.bin" bs=1 seek=71 conv=notrunc status=none
expect "device bytes after writes" "$(hexdump8 "$work/want.bin")" "$(hexdump8 "$work/bmc/fru.bin")"

start=$(date +%s%N)
err=$("$work/bmc/badbin/ipmitool" raw 0x0A 0x11 0x00 0x00 0x00 0x08 2>&1) && st=0 || st=$?
ms=$((($(date +%s%N) - start) / 1000000))
expect "wrong password" "Error: Unable to establish IPMI v2 / RMCP+ session|1|fast" \
    "$err|$st|$([ "$ms" -lt 2000 ] && echo fast || echo "$ms ms")"

# Both decoders, over the LAN and on the file, against their recorded output;
# the time zone would shift the manufacturing date if the fixture let it.
"$fixture" image "$here/full.hex" "$work/full.bin"
"$fixture" start "$work/bmc" "$work/full.bin" 512
expect "ipmitool fru print" "$(cat "$here/full.ipmitool.txt")" "$(TZ=Asia/Shanghai "$fixture" print "$work/bmc" 2>/dev/null)"
expect "ipmi-fru on file" "$(cat "$here/full.ipmi-fru.txt")" "$(TZ=Asia/Shanghai "$fixture" frufile "$work/bmc" | tail -n +2)"
expect "ipmi-fru over LAN" "$(cat "$here/full.ipmi-fru.txt")" "$("$fixture" lanfru "$work/bmc" | tail -n +2)"

# The board area's checksum is byte 127; ipmi-fru reports it and exits 0.
printf '\000' | dd of="$work/bmc/fru.bin" bs=1 seek=127 conv=notrunc status=none
out=$("$fixture" frufile "$work/bmc") && st=0 || st=$?
expect "bad board checksum" "  FRU Error: board info area checksum invalid|0" \
    "$(grep 'FRU Error' <<<"$out")|$st"

pid=$(cat "$work/bmc/ipmi_sim.pid")
"$fixture" stop "$work/bmc"
"$fixture" stop "$work/bmc"
state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null || echo gone)
expect "stopped twice" "gone" "${state/Z/gone}"

[ "$failed" = 0 ] && echo "realbmc fixture: all checks passed"
exit "$failed"
