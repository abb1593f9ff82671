# FRU records for the benchmark: making test records and reading any record
# independently of korrel, to know how many requests a run needs at least.
# Sourced by bench/run.sh.
# shellcheck shell=bash
# The rec_* results are read by run.sh.
# shellcheck disable=SC2034

readonly kBlockSize=8 kEndOfFields=0xC1 kAsciiType=0xC0 kLengthMask=0x3F
# Bytes ahead of the first type/length byte: version, length, chassis type
# or language, and the board's three manufacturing date bytes.
readonly kChassisFixed=3 kBoardFixed=6 kProductFixed=3
# Fields a korrel record holds per area, custom field included.
readonly kChassisFields=3 kBoardFields=6 kProductFields=8
readonly kBsnIndex=2  # board serial number: third board field
# korrel reads no further than this many blocks.
readonly kReadBlocks=64
readonly kFill=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ

rec_area=()   # the area being built, one byte value per element
rec_image=()  # the whole record

rec_add() { for b in "$@"; do rec_area+=($((b))); done; }

# Data bytes of a value of LEN characters: the length 1 of 8-bit text is
# reserved (C1 is the end marker), so one character takes a zero byte too.
rec_stored() {
    if [ "$1" -eq 1 ]; then echo 2; else echo "$1"; fi
}

# A field of LEN characters; the text X stands for itself.
rec_field() {
    local text i code
    if [ "$1" = X ]; then text=X; else text=${kFill:0:$1}; fi
    rec_add $((kAsciiType | $(rec_stored ${#text})))
    for ((i = 0; i < ${#text}; i++)); do
        printf -v code %d "'${text:i:1}"
        rec_add "$code"
    done
    if [ ${#text} -eq 1 ]; then rec_add 0; fi
}

# End marker, zero pad leaving room for the checksum, length byte, checksum.
rec_finish_area() {
    local sum=0 b
    rec_add $kEndOfFields
    while (((${#rec_area[@]} + 1) % kBlockSize)); do rec_add 0; done
    rec_area[1]=$(((${#rec_area[@]} + 1) / kBlockSize))
    for b in "${rec_area[@]}"; do sum=$((sum + b)); done
    rec_add $(((256 - sum % 256) % 256))
    rec_image+=("${rec_area[@]}")
    rec_area=()
}

# rec_make OUT SIZE "CHASSIS" "BOARD" "PRODUCT": a SIZE-byte device whose
# fields have the lengths listed (a number, or X for the text X).
rec_make() {
    local out=$1 size=$2 n chassis board product sum=0 i
    rec_image=(1 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0)  # header, internal use block
    chassis=$((${#rec_image[@]} / kBlockSize))
    rec_add 0x01 0 0x17
    for n in $3; do rec_field "$n"; done
    rec_finish_area
    board=$((${#rec_image[@]} / kBlockSize))
    rec_add 0x01 0 0x00 0x10 0x20 0x30
    for n in $4; do rec_field "$n"; done
    rec_finish_area
    product=$((${#rec_image[@]} / kBlockSize))
    rec_add 0x01 0 0x00
    for n in $5; do rec_field "$n"; done
    rec_finish_area
    rec_image[1]=1 rec_image[2]=$chassis rec_image[3]=$board rec_image[4]=$product
    for i in 0 1 2 3 4 5 6; do sum=$((sum + rec_image[i])); done
    rec_image[7]=$(((256 - sum % 256) % 256))
    while [ ${#rec_image[@]} -lt "$size" ]; do rec_image+=(0); done
    # shellcheck disable=SC2059
    printf "$(printf '\\%03o' "${rec_image[@]}")" >"$out"
}

# Blocks of one area in korrel's layout: fixed bytes, a type/length byte and
# the data bytes of each field, end marker, checksum, whole blocks.
rec_area_blocks() {
    local fixed=$1 n bytes
    shift
    bytes=$((fixed + 2))
    for n in "$@"; do bytes=$((bytes + 1 + $(rec_stored "$n"))); done
    echo $(((bytes + kBlockSize - 1) / kBlockSize))
}

# Whole image in korrel's layout: common header, one internal use block and
# the three areas.
rec_image_blocks() {
    # shellcheck disable=SC2086
    echo $((2 + $(rec_area_blocks $kChassisFixed $1) + $(rec_area_blocks $kBoardFixed $2) +
        $(rec_area_blocks $kProductFixed $3)))
}

# rec_read IMAGE: decodes a record into the rec_* variables below, or
# returns 1 when it is no sound record.
#   rec_size                   device size in bytes
#   rec_off_{c,b,p}            area offsets in blocks
#   rec_len_{c,b,p}            area lengths in blocks (length bytes)
#   rec_fields_{c,b,p}         value lengths (up to a zero byte), blank-
#                              separated, padded to the area's korrel field
#                              count with zeros
#   rec_marker_{c,b,p}         byte offset of each area's end marker
#   rec_sums_ok                1 when the header and all area checksums hold
#   rec_bsn                    the board serial number's text
rec_read() {
    local -a B
    mapfile -t B < <(od -An -v -tu1 -w1 "$1" | tr -d ' ')
    rec_size=${#B[@]}
    [ "$rec_size" -ge $kBlockSize ] || return 1
    rec_off_c=${B[2]} rec_off_b=${B[3]} rec_off_p=${B[4]} rec_sums_ok=1 rec_bsn=
    rec_sum_ok 0 $kBlockSize || rec_sums_ok=0
    rec_read_area c $kChassisFixed $kChassisFields || return 1
    rec_read_area b $kBoardFixed $kBoardFields || return 1
    rec_read_area p $kProductFixed $kProductFields || return 1
}

# Zero checksum over COUNT bytes from FIRST; uses B of rec_read.
rec_sum_ok() {
    local i sum=0
    [ $(($1 + $2)) -le "$rec_size" ] || return 1
    for ((i = $1; i < $1 + $2; i++)); do sum=$((sum + B[i])); done
    [ $((sum % 256)) -eq 0 ]
}

# Walks an area as korrel's decoder does: a fixed count of fields, where C1
# is a one-character field except in the custom field's place, the last one,
# which it leaves empty as the end marker.
rec_read_area() {
    local a=$1 fixed=$2 count=$3 off start pos t lens=() octal value n
    off=rec_off_$a
    start=$((${!off} * kBlockSize))
    [ $((start + kBlockSize)) -le "$rec_size" ] || return 1
    printf -v "rec_len_$a" %d "${B[start + 1]}"
    pos=$((start + fixed))
    while [ ${#lens[@]} -lt "$count" ] && [ $pos -lt "$rec_size" ]; do
        t=${B[pos]}
        if [ ${#lens[@]} -eq $((count - 1)) ] && [ "$t" -eq $((kEndOfFields)) ]; then break; fi
        value=("${B[@]:pos+1:t & kLengthMask}")
        for ((n = 0; n < ${#value[@]}; n++)); do [ "${value[n]}" -ne 0 ] || break; done
        lens+=("$n")
        if [ "$a" = b ] && [ ${#lens[@]} -eq $((kBsnIndex + 1)) ]; then
            printf -v octal '\\%03o' "${value[@]:0:n}"
            # shellcheck disable=SC2059
            printf -v rec_bsn "$octal"
        fi
        pos=$((pos + 1 + (t & kLengthMask)))
    done
    [ $pos -lt "$rec_size" ] && [ "${B[pos]}" -eq $((kEndOfFields)) ] || return 1
    while [ ${#lens[@]} -lt "$count" ]; do lens+=(0); done
    printf -v "rec_fields_$a" '%s' "${lens[*]}"
    printf -v "rec_marker_$a" %d $pos
    rec_sum_ok "$start" $((${B[start + 1]} * kBlockSize)) || rec_sums_ok=0
}
