#!/bin/bash
# Regenerates sample-fru.bin: a 512-byte FRU device 0 as a server vendor
# ships it, so that tests start from a record korrel did not write itself.
# Usage: sim/make-sample.sh [output]   (default: sample-fru.bin beside this script)
set -euo pipefail

out=${1:-$(dirname "$0")/sample-fru.bin}
readonly kBlockSize=8 kDeviceSize=512 kEndOfFields=0xC1 kAsciiType=0xC0

image=()   # the whole device, one byte value per element
area=()    # the info area being built

add() { for b in "$@"; do area+=($((b))); done; }

# 8-bit ASCII type/length byte, then the characters.
field() {
  local text=$1 i
  (( ${#text} < 64 )) || { echo "field too long: $text" >&2; exit 1; }
  add $((kAsciiType | ${#text}))
  for ((i = 0; i < ${#text}; i++)); do add "$(printf %d "'${text:i:1}")"; done
}

# End marker, zero pad to whole blocks leaving room for the checksum, set the
# length byte (offset 1) and append the zero checksum.
finish_area() {
  local sum=0 b
  add $kEndOfFields
  while (( (${#area[@]} + 1) % kBlockSize )); do add 0; done
  area[1]=$(( (${#area[@]} + 1) / kBlockSize ))
  for b in "${area[@]}"; do sum=$((sum + b)); done
  add $(( (256 - sum % 256) % 256 ))
  image+=("${area[@]}")
  area=()
}

blocks() { echo $(( ${#image[@]} / kBlockSize )); }

# Block 1: a one-block internal use area (format version 1, then OEM bytes:
# "CTS" and a layout revision). The FRU format gives it no checksum.
internal_use=(0x01 0x43 0x54 0x53 0x01 0x00 0x00 0x00)
image=(0 0 0 0 0 0 0 0 "${internal_use[@]}")

chassis=$(blocks)
add 0x01 0 0x17                      # version, length, rack mount chassis
field "CTS-CH2U-0042"
field "CSN7F3A90215"
field "Rack 2U 12xLFF"
finish_area

board=$(blocks)
# MFG date 2023-05-17 08:30 UTC: 14397630 minutes since 1996-01-01 = DBB0BE,
# stored least significant byte first.
add 0x01 0 0x00 0xBE 0xB0 0xDB       # version, length, language English, date
field "Contoso Systems"
field "Contoso X12DP-T Mainboard"
field "BSN23M170481"
field "MB-X12DPT-A03"
field ""
field "PCBA Rev A03"
finish_area

product=$(blocks)
add 0x01 0 0x00                      # version, length, language English
field "Contoso Systems"
field "Contoso Vantage R2240"
field "VR2240-SKU-8841"
field "1.02"
field "PSN4Q9B77120"
field "ASSET-000731"
field "FRU-R2240-3"
field "Config BTO-17"
finish_area
last=$(( $(blocks) - 1 ))

# Common header: version 1, internal use, chassis, board, product, no
# multirecord area, pad, checksum.
header=(0x01 1 "$chassis" "$board" "$product" 0 0)
sum=0
for b in "${header[@]}"; do sum=$((sum + b)); done
for i in 0 1 2 3 4 5 6; do image[i]=$((header[i])); done
image[7]=$(( (256 - sum % 256) % 256 ))

while (( ${#image[@]} < kDeviceSize )); do image+=(0); done
for b in "${image[@]}"; do printf "\\x$(printf %02x "$b")"; done >"$out"
echo "chassis block $chassis, board block $board, product block $product, product area ends in block $last" >&2
