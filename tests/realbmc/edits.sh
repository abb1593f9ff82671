#!/bin/bash
# korrel edits through the real IPMI stack: for each case of one group of the
# table, FRU device 0 of ipmi_sim starts from edits.hex (every field set), korrel
# runs with the case's arguments, and ipmitool fru print, ipmi-fru over the
# LAN and ipmi-fru on the device file must each print what they printed before
# with only the case's fields changed, and report no error.
#
#   edits.sh GROUP     GROUP: chassis-board, product or whole
set -eu
. "$(dirname "$0")/lib.sh"

group=${1:?usage: edits.sh chassis-board|product|whole}
long=ABCDEFGHIJKLMNOPQRSTUVWXYZ-abcdefghijklmnopqrstuvwxyz-012345678 # 63 bytes
[ ${#long} -eq 63 ]

# group | korrel's arguments (shell words) | changed fields, ';' between them;
# none given: the field of the first argument takes the second.
cases=$(cat <<EOF
chassis-board|CPN 'CP-0815-A'|
chassis-board|CSN 'CS/2024/000017'|
chassis-board|CCI 'rack 7, slot 3'|
chassis-board|BM 'Globex Corporation'|
chassis-board|BPN 'GX-MB-2'|
chassis-board|BSN 'SN-20240611-0001'|
chassis-board|BAN 'PN-4711'|
chassis-board|FFI 'gx.xml'|
chassis-board|CM 'board rev C'|
product|MN 'Globex'|
product|PN 'Globex Server 9000'|
product|PPN 'GS9K-AB'|
product|PV '2.0'|
product|PSN 'PS-998877'|
product|AT 'asset #12'|
product|FII 'gs9k.xml'|
product|CPI 'config 7'|
# Every field emptied but the board serial; the date becomes 2019-03-01 01:00.
whole|ONLY_BSN|CPN=;CSN=;CCI=;DATE=B9E3BC;BM=;BPN=;BAN=;FFI=;CM=;MN=;PN=;PPN=;PV=;PSN=;AT=;FII=;CPI=
whole|PSN ''|
whole|CPI '$long'|
whole|BPN '$long'|
# One-character values: C1 would end the area, so the character is stored
# with a NUL behind it, and every later field of the area must survive.
whole|CCI X|
whole|CSN S|
whole|BM Q|
EOF
)

rb_setup
"$rb_fixture" image "$rb_here/edits.hex" "$rb_work/edits.bin"
rb_start "$rb_work/edits.bin" 512
cp "$rb_work/bmc/fru.bin" "$rb_work/device-before.bin"
rb_views "$rb_work/before"
rb_expect_sound "record before the edits" "$rb_work/before"

ran=0
while IFS='|' read -r case_group argtext changetext; do
    [ "$case_group" = "$group" ] || continue
    ran=$((ran + 1))
    args=()
    eval "args=($argtext)"
    if [ -n "$changetext" ]; then
        IFS=';' read -r -a changes <<<"$changetext"
    else
        changes=("${args[0]}=${args[1]}")
    fi
    name="korrel $argtext"
    # The simulator reads and writes the file on every request.
    cp "$rb_work/device-before.bin" "$rb_work/bmc/fru.bin"
    rb_korrel "$rb_work/bmc/bin" "${args[@]}"
    rb_expect "$name: exit status" 0 "$rb_status"
    rb_expect "$name: writes confirmed" "Execute fru.sh ~ Done." "$(grep -o 'Execute fru.sh ~.*' <<<"$rb_out")"
    rb_expect "$name: nothing on stderr" "" "$rb_err"
    rb_expect "$name: files left" "fru.sh" "$rb_files"
    [ "$rb_status" = 0 ] || { echo "$rb_out"; continue; }

    # Every block of the script reached the device as it stands there.
    rb_script_image "$rb_work/run/fru.sh" "$rb_work/script.bin"
    head -c "$(stat -c %s "$rb_work/script.bin")" "$rb_work/bmc/fru.bin" >"$rb_work/device-head.bin"
    rb_expect_bytes "$name: device holds the script's blocks" "$rb_work/script.bin" "$rb_work/device-head.bin"

    rb_views "$rb_work/after"
    rb_expect_sound "$name" "$rb_work/after"
    rb_expected_view ipmitool "$rb_work/before.ipmitool" "${changes[@]}" >"$rb_work/want.ipmitool"
    rb_expected_view ipmifru "$rb_work/before.lanfru" "${changes[@]}" >"$rb_work/want.lanfru"
    rb_expected_view ipmifru "$rb_work/before.frufile" "${changes[@]}" >"$rb_work/want.frufile"
    for view in ipmitool lanfru frufile; do
        rb_expect_file "$name: $view" "$rb_work/want.$view" "$rb_work/after.$view"
    done
done < <(grep -v '^#' <<<"$cases")

[ "$ran" -gt 0 ] || { echo "FAIL: no case in group $group"; exit 1; }
rb_finish "real BMC edits ($group, $ran cases)"
