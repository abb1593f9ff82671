#!/bin/bash
# A record laid out unlike korrel's own (foreign.hex: no chassis area, an
# internal use area of two blocks, a zero block before the board and before
# the product area) is read through the real IPMI stack and rewritten by
# korrel without arguments; both decoders must then show the same fields.
set -eu
. "$(dirname "$0")/lib.sh"

rb_setup
"$rb_fixture" image "$rb_here/foreign.hex" "$rb_work/foreign.bin"
rb_start "$rb_work/foreign.bin" 512
cp "$rb_work/bmc/fru.bin" "$rb_work/device-before.bin"
rb_views "$rb_work/before"
rb_expect_sound "foreign record" "$rb_work/before"
# Without a chassis area neither decoder prints a chassis line.
rb_expect "foreign record has no chassis area" "" "$(grep -h 'Chassis' "$rb_work"/before.* || true)"

rb_korrel "$rb_work/bmc/bin"
rb_expect "exit status" 0 "$rb_status"
rb_expect "console" $'Execute fru.sh ~ Done.\nDelete files ~------------------------' \
    "$(grep -A1 '^Execute' <<<"$rb_out")"
rb_expect "files left" "fru.sh" "$rb_files"
rb_script_image "$rb_work/run/fru.sh" "$rb_work/script.bin"
head -c "$(stat -c %s "$rb_work/script.bin")" "$rb_work/bmc/fru.bin" >"$rb_work/device-head.bin"
rb_expect_bytes "device holds the script's blocks" "$rb_work/script.bin" "$rb_work/device-head.bin"
rb_expect "rewritten in another layout" yes \
    "$(cmp -s "$rb_work/device-before.bin" "$rb_work/bmc/fru.bin" || echo yes)"

# korrel always writes a chassis area; with its fields empty the decoders
# show only its type (and ipmi-fru a blank line before the board's). All
# else must read as before.
rb_views "$rb_work/after"
rb_expect_sound "rewritten record" "$rb_work/after"
for view in ipmitool lanfru frufile; do
    rb_expect "$view: chassis area added" 1 "$(grep -c 'Chassis Type: \|Chassis Type  *: ' "$rb_work/after.$view")"
    rb_expect "$view: same fields" "$(grep -v '^$' "$rb_work/before.$view")" \
        "$(grep -v '^$\|Chassis Type' "$rb_work/after.$view")"
done

rb_finish "real BMC foreign layout"
