# shellcheck shell=bash disable=SC2034 # the rb_ variables are for the tests
# Shared by the tests that run korrel through the real IPMI stack: OpenIPMI's
# ipmi_sim as the BMC on 127.0.0.1, the real ipmitool, and FreeIPMI's ipmi-fru
# as a second decoder. Sourced; defines rb_* functions and nothing runs.
#
# KORREL_BIN and FRUDUMP_BIN name the binaries under test (default: build/).

rb_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
rb_here=$rb_top/tests/realbmc
rb_fixture=$rb_top/scripts/realbmc.sh
KORREL_BIN=${KORREL_BIN:-$rb_top/build/korrel}
FRUDUMP_BIN=${FRUDUMP_BIN:-$rb_top/build/tests/frudump}
rb_failed=0

# CI installs the packages (scripts/deps.sh test), so a missing one there is
# a broken setup; a developer without them gets a skip (CTest's code 77).
rb_require() {
    local missing=() cmd
    for cmd in ipmitool ipmi_sim ipmi-fru perl; do
        command -v "$cmd" >/dev/null || missing+=("$cmd")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "${CI:-}" = true ]; then
        echo "FAIL: ${missing[*]} missing; CI must install them with scripts/deps.sh test"
        exit 1
    fi
    echo "SKIP: ${missing[*]} missing (packages ipmitool, openipmi, freeipmi-tools:" \
        "scripts/deps.sh test installs them)"
    exit 77
}

# A scratch directory whose simulator is stopped however the test ends; a
# signal is turned into an exit so that the EXIT trap runs for it too.
rb_setup() {
    rb_require
    local bin
    for bin in "$KORREL_BIN" "$FRUDUMP_BIN"; do
        [ -x "$bin" ] || { echo "FAIL: $bin not built"; exit 1; }
    done
    rb_work=$(mktemp -d /tmp/korrel-realbmc.XXXXXX)
    trap 'rb_cleanup' EXIT
    trap 'exit 143' TERM INT HUP
}

rb_cleanup() {
    "$rb_fixture" stop "$rb_work/bmc" || true
    rm -rf "$rb_work"
}

rb_expect() { # name expected actual
    [ "$2" = "$3" ] && return 0
    echo "FAIL: $1"
    diff -u --label expected --label actual <(printf '%s\n' "$2") <(printf '%s\n' "$3") || true
    rb_failed=1
}

rb_expect_file() { # name expected-file actual-file
    cmp -s "$2" "$3" && return 0
    echo "FAIL: $1"
    diff -u --label expected --label actual "$2" "$3" || true
    rb_failed=1
}

rb_hexdump() { od -An -v -tx1 -w8 "$1"; }

rb_expect_bytes() { # name expected-file actual-file
    cmp -s "$2" "$3" && return 0
    echo "FAIL: $1 (8 bytes a line)"
    diff -u --label expected --label actual <(rb_hexdump "$2") <(rb_hexdump "$3") || true
    rb_failed=1
}

rb_finish() {
    [ "$rb_failed" = 0 ] && echo "$1: all checks passed"
    exit "$rb_failed"
}

# Serves IMAGE, cut or padded to SIZE bytes, as FRU device 0 from
# $rb_work/bmc.
rb_start() { # image [size]
    "$rb_fixture" start "$rb_work/bmc" "$@" >/dev/null
}

# A stopped simulator makes every ipmitool call wait ~20 s; better to say so.
rb_alive() {
    local pid
    pid=$(cat "$rb_work/bmc/ipmi_sim.pid" 2>/dev/null) && kill -0 "$pid" 2>/dev/null && return 0
    echo "FAIL: ipmi_sim is gone; its log:"
    cat "$rb_work/bmc/ipmi_sim.log"
    exit 1
}

# Runs korrel with ARGS in the fresh directory $rb_work/run, with ipmitool
# from BINDIR ($rb_work/bmc/bin or badbin) first on PATH. Leaves rb_out,
# rb_err, rb_status and rb_files (the names left in the directory).
rb_korrel() { # bindir args...
    local bindir=$1
    shift
    rb_alive
    rm -rf "$rb_work/run"
    mkdir "$rb_work/run"
    rb_status=0
    (cd "$rb_work/run" && PATH=$bindir:$PATH exec "$KORREL_BIN" "$@") \
        >"$rb_work/korrel.out" 2>"$rb_work/korrel.err" </dev/null || rb_status=$?
    rb_out=$(cat "$rb_work/korrel.out")
    rb_err=$(cat "$rb_work/korrel.err")
    rb_files=$(cd "$rb_work/run" && ls -A | tr '\n' ' ')
    rb_files=${rb_files% }
}

# The blocks a fru.sh writes, as one image from offset 0; every line after
# the echo must be korrel's write request for the next block.
rb_script_image() { # fru.sh output-file
    local n=0 words
    : >"$2.hex"
    while read -r -a words; do
        [[ "${words[*]}" == "ipmitool raw 0x0A 0x12 0x00 "* ]] || continue
        if [ ${#words[@]} -ne 15 ] || [ $((words[5] + 256 * words[6])) -ne $((8 * n)) ]; then
            echo "FAIL: $1 line ${words[*]} is no write of block $n"
            exit 1
        fi
        words=("${words[@]:7}")
        echo "${words[*]//0x/}" >>"$2.hex"
        n=$((n + 1))
    done <"$1"
    [ "$n" -gt 0 ] || { echo "FAIL: $1 writes no block"; exit 1; }
    "$rb_fixture" image "$2.hex" "$2"
}

# The three views of FRU device 0: ipmitool over the LAN, ipmi-fru over the
# LAN and ipmi-fru on the device file. The files are PREFIX.ipmitool,
# PREFIX.lanfru and PREFIX.frufile.
rb_views() { # prefix
    rb_alive
    "$rb_fixture" print "$rb_work/bmc" >"$1.ipmitool" 2>/dev/null ||
        { echo "FAIL: ipmitool fru print failed"; exit 1; }
    "$rb_fixture" lanfru "$rb_work/bmc" >"$1.lanfru"
    "$rb_fixture" frufile "$rb_work/bmc" >"$1.frufile"
}

# ipmi-fru reports a bad checksum or area on stdout and still exits 0.
rb_expect_sound() { # name prefix
    local view
    for view in lanfru frufile; do
        rb_expect "$1: ipmi-fru ($view) reports no error" "" "$(grep -i 'error\|invalid' "$2.$view" || true)"
    done
}

# The 18 fields in fru.txt order; DATE is the manufacturing date (korrel has
# no key for it), its value the six hex digits korrel's fru.txt holds.
rb_keys=(CPN CSN CCI DATE BM BPN BSN BAN FFI CM MN PN PPN PV PSN AT FII CPI)

# Each decoder's line prefix for the fields, in the same order. ipmi-fru
# gives both FRU file ids one label; the order of the lines tells them apart.
rb_labels_ipmitool=(
    " Chassis Part Number   : " " Chassis Serial        : " " Chassis Extra         : "
    " Board Mfg Date        : " " Board Mfg             : " " Board Product         : "
    " Board Serial          : " " Board Part Number     : " " Board FRU ID          : "
    " Board Extra           : " " Product Manufacturer  : " " Product Name          : "
    " Product Part Number   : " " Product Version       : " " Product Serial        : "
    " Product Asset Tag     : " " Product FRU ID        : " " Product Extra         : ")
rb_labels_ipmifru=(
    "  FRU Chassis Part Number: " "  FRU Chassis Serial Number: " "  FRU Chassis Custom Info: "
    "  FRU Board Manufacturing Date/Time: " "  FRU Board Manufacturer: " "  FRU Board Product Name: "
    "  FRU Board Serial Number: " "  FRU Board Part Number: " "  FRU FRU File ID: "
    "  FRU Board Custom Info: " "  FRU Product Manufacturer Name: " "  FRU Product Name: "
    "  FRU Product Part/Model Number: " "  FRU Product Version: " "  FRU Product Serial Number: "
    "  FRU Product Asset Tag: " "  FRU FRU File ID: " "  FRU Product Custom Info: ")

rb_key_index() {
    local i
    for i in "${!rb_keys[@]}"; do
        [ "${rb_keys[$i]}" = "$1" ] && { echo "$i"; return 0; }
    done
    echo "FAIL: no field key $1" >&2
    exit 1
}

# The date as each decoder prints it, under TZ=UTC: six hex digits of minutes
# since 1996-01-01 00:00 UTC (820454400 in Unix time).
rb_date_text() { # decoder hex
    local t=$((820454400 + 16#$2 * 60))
    case $1 in
    ipmitool) date -u -d "@$t" '+%a %b %e %H:%M:%S %Y UTC' ;;
    *) date -u -d "@$t" '+%m/%d/%y - %H:%M:%S' ;;
    esac
}

# What DECODER (ipmitool or ipmifru) prints for a record whose fields are
# those behind BEFORE (its output for a record with every field set) with the
# changes KEY=VALUE applied; an empty VALUE makes the field's line go away.
rb_expected_view() { # decoder before-file KEY=VALUE...
    local decoder=$1 before=$2 lines at=0 i key value change
    shift 2
    mapfile -t lines <"$before"
    local -n labels=rb_labels_$decoder
    local where=()
    for i in "${!labels[@]}"; do
        while [ "$at" -lt ${#lines[@]} ] && [[ "${lines[$at]}" != "${labels[$i]}"* ]]; do
            at=$((at + 1))
        done
        [ "$at" -lt ${#lines[@]} ] || { echo "FAIL: $before lacks ${labels[$i]}" >&2; exit 1; }
        where[i]=$at
        at=$((at + 1))
    done
    for change in "$@"; do
        key=${change%%=*} value=${change#*=}
        i=$(rb_key_index "$key")
        if [ -z "$value" ]; then
            unset "lines[${where[$i]}]"
        elif [ "$key" = DATE ]; then
            lines[${where[$i]}]=${labels[$i]}$(rb_date_text "$decoder" "$value")
        else
            lines[${where[$i]}]=${labels[$i]}$value
        fi
    done
    printf '%s\n' "${lines[@]}"
}
