#!/bin/bash
# korrel against a real BMC that refuses: writes past the end of a small FRU
# device, which ipmi_sim answers with a completion code and ipmitool with exit
# status 1, and reads that fail in the real stack. The record is sparse.hex,
# nine blocks; each case serves it from a device of its own size.
set -eu
. "$(dirname "$0")/lib.sh"

rb_setup
"$rb_fixture" image "$rb_here/sparse.hex" "$rb_work/sparse.bin"
"$FRUDUMP_BIN" "$rb_work/sparse.bin" >"$rb_work/sparse.fields"
bpn="A board product name of forty characters"

# device size | korrel's arguments | completion code and text of the refusal.
# The longer board area makes the record 14 blocks; block 9 is refused, at
# the device's end (c9) or across it (c8); the blocks behind it lie past the
# end too, so the device shows that nothing behind the refused block changed.
while IFS='|' read -r size argtext code text; do
    args=()
    eval "args=($argtext)"
    name="korrel $argtext on $size bytes"
    rb_start "$rb_work/sparse.bin" "$size"
    cp "$rb_work/bmc/fru.bin" "$rb_work/device-before.bin"
    rb_korrel "$rb_work/bmc/bin" "${args[@]}"
    rb_expect "$name: exit status" 1 "$rb_status"
    rb_expect "$name: console" $'Write fru.sh ~ Done.\nExecute fru.sh ~Error!!!Write FRU Failed.' \
        "$(tail -n 2 <<<"$rb_out")"
    rb_expect "$name: refusal on stderr" \
        "Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0x$code): $text" "$rb_err"
    rb_expect "$name: files left" "fru.sh fru.txt out.txt" "$rb_files"
    [ -f "$rb_work/run/fru.sh" ] || continue

    # The script holds the whole new record, as the test's own decoder sees it.
    rb_script_image "$rb_work/run/fru.sh" "$rb_work/script.bin"
    awk -v v="$bpn" '/^  Board Product Name / { $0 = sprintf("  %-26s %s", "Board Product Name", v) } 1' \
        "$rb_work/sparse.fields" >"$rb_work/want.fields"
    "$FRUDUMP_BIN" "$rb_work/script.bin" >"$rb_work/script.fields" || true
    rb_expect_file "$name: record in fru.sh" "$rb_work/want.fields" "$rb_work/script.fields"

    # Blocks before the refused one are the script's, every byte after them
    # is as it was.
    refused=$(((size - 8) / 8 + 1))
    rb_expect "$name: script goes past the device" yes \
        "$([ "$(stat -c %s "$rb_work/script.bin")" -gt $((refused * 8)) ] && echo yes)"
    rb_expect "$name: out.txt" "$(echo '==== FRU ====='; for _ in $(seq "$refused"); do echo ' 08'; done)" \
        "$(cat "$rb_work/run/out.txt")"
    { head -c $((refused * 8)) "$rb_work/script.bin"
      tail -c +$((refused * 8 + 1)) "$rb_work/device-before.bin"; } >"$rb_work/want.bin"
    rb_expect_bytes "$name: device" "$rb_work/want.bin" "$rb_work/bmc/fru.bin"
done <<EOF
72|BPN '$bpn'|c9|Parameter out of range
76|BPN '$bpn'|c8|Request data field length limit exceeded
EOF

# device size | ipmitool wrapper | stderr must hold. A wrong password fails
# the session at once; a 64-byte device ends in front of block 8, and reading
# at the very end is answered ff.
failed='Read FRU from BMC ~Error!!!Read FRU Failed.' # and no newline
while IFS='|' read -r size wrapper why; do
    name="read with $wrapper from $size bytes"
    rb_start "$rb_work/sparse.bin" "$size"
    "$rb_fixture" badpass "$rb_work/bmc"
    cp "$rb_work/bmc/fru.bin" "$rb_work/device-before.bin"
    start=$(date +%s)
    rb_korrel "$rb_work/bmc/$wrapper"
    rb_expect "$name: exit status" 1 "$rb_status"
    rb_expect "$name: console ends" "$failed" "$(tail -c ${#failed} "$rb_work/korrel.out")"
    rb_expect "$name: stderr" yes "$(grep -qF -- "$why" <<<"$rb_err" && echo yes)"
    rb_expect "$name: no files" "" "$rb_files"
    rb_expect "$name: no hang" yes "$([ $(($(date +%s) - start)) -lt 10 ] && echo yes)"
    rb_expect_bytes "$name: device untouched" "$rb_work/device-before.bin" "$rb_work/bmc/fru.bin"
done <<'EOF'
72|badbin|Error: Unable to establish IPMI v2 / RMCP+ session
64|bin|rsp=0xff): Unspecified error
EOF

rb_finish "real BMC refusals"
