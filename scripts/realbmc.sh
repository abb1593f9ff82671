#!/bin/bash
# Runs OpenIPMI's ipmi_sim on the loopback interface as a real BMC whose FRU
# device 0 (and, if asked, device 3) is a plain file, so that korrel can be
# tested against the real ipmitool and its answers compared with those of
# our own stand-in BMC.
#
#   realbmc.sh image HEXFILE OUT      hex text (# comments allowed) to binary
#   realbmc.sh start DIR IMAGE [SIZE [IMAGE3]]
#                                     copy IMAGE to DIR/fru.bin, cut or padded
#                                     to SIZE bytes, serve it as FRU device 0,
#                                     and IMAGE3 likewise as DIR/fru3.bin and
#                                     FRU device 3, the power supply "PSU1";
#                                     write DIR/bin/ipmitool
#   realbmc.sh badpass DIR            write DIR/badbin/ipmitool (wrong password)
#   realbmc.sh stop DIR               stop the simulator (safe to repeat)
#   realbmc.sh print DIR [ID]         ipmitool -v fru print ID (0) over the LAN
#   realbmc.sh lanfru DIR [ID]        FreeIPMI's ipmi-fru over LAN 2.0 (of
#                                     device ID: --device-id=ID)
#   realbmc.sh frufile DIR            FreeIPMI's ipmi-fru on DIR/fru.bin
#
# Sourcing the file defines the realbmc_* functions; each runs in a subshell,
# so an error ends only that call and not the caller's shell.

REALBMC_IPMITOOL=/usr/bin/ipmitool
REALBMC_USER=admin REALBMC_PASS=secret
# Without -C 3 ipmitool first tries a cipher suite ipmi_sim lacks and every
# call then takes about 10 s.
REALBMC_CIPHER=3

realbmc_die() { echo "realbmc: $*" >&2; exit 1; }

# Number of UDP sockets bound to port $1 on any address: ipmi_sim binds a
# port that is already taken without complaint and then shares its requests.
realbmc_sockets() (
    hex=$(printf '%04X' "$1")
    cat /proc/net/udp /proc/net/udp6 2>/dev/null |
        awk -v p="$hex" 'NR > 1 { split($2, a, ":"); if (a[2] == p) n++ } END { print n + 0 }'
)

# The kernel hands out a port nobody holds; it may be taken again before
# ipmi_sim binds it, which the socket count after the start catches.
realbmc_free_port() {
    perl -MIO::Socket::INET -e \
        'print IO::Socket::INET->new(Proto => "udp", LocalAddr => "127.0.0.1:0")->sockport'
}

realbmc_lan_args() (
    set -eu
    port=$(cat "$1/port")
    echo "-I lanplus -C $REALBMC_CIPHER -H 127.0.0.1 -p $port -U $REALBMC_USER"
)

realbmc_image() (
    set -eu
    hex=$(sed 's/#.*//' "$1" | tr -cd '0-9a-fA-F')
    [ $((${#hex} % 2)) -eq 0 ] || realbmc_die "odd number of hex digits in $1"
    printf '%b' "$(printf '%s' "$hex" | sed 's/../\\x&/g')" >"$2"
)

# The SDR repository's FRU Device Locator record of device 3: without it
# `ipmitool fru print` does not list the device and ipmi-fru --device-id
# does not find it.  Logical FRU device 3 at the BMC (0x20), type 10h (FRU
# inventory), entity 0Ah (power supply) 1, named PSU1.
REALBMC_PSU_LOCATOR="0x00 0x00 0x51 0x11 0x0f 0x20 0x03 0x80 0x00 0x00 0x10 0x00 0x0a 0x01 0x00 0xc4 0x50 0x53 0x55 0x31"

realbmc_write_config() (
    set -eu
    dir=$1 port=$2 size=$3
    cat >"$dir/lan.conf" <<EOF
name "korrel"
set_working_mc 0x20
startlan 1
  addr 127.0.0.1 $port
  priv_limit admin
  allowed_auths_callback none md2 md5 straight
  allowed_auths_user none md2 md5 straight
  allowed_auths_operator none md2 md5 straight
  allowed_auths_admin none md2 md5 straight
  guid a123456789abcdefa123456789abcdef
endlan
user 2 true "$REALBMC_USER" "$REALBMC_PASS" admin 10 none md2 md5 straight
EOF
    # The "file" form reads and writes DIR/fru.bin directly on every request,
    # so the file always shows what the BMC holds.
    cat >"$dir/cmds.emu" <<EOF
mc_setbmc 0x20
mc_add 0x20 0 no-device-sdrs 0x23 9 8 0x9f 0x1291 0xf02
mc_add_fru_data 0x20 0 $size file 0 "$dir/fru.bin"
EOF
    # Device 3 where the start was given its image.
    [ ! -f "$dir/fru3.bin" ] || cat >>"$dir/cmds.emu" <<EOF
mc_add_fru_data 0x20 3 $size file 0 "$dir/fru3.bin"
main_sdr_add 0x20 $REALBMC_PSU_LOCATOR
EOF
    echo "mc_enable 0x20" >>"$dir/cmds.emu"
)

# ipmi_sim binds its port only after the command file has gone through, so
# an unbound port means a bad command file and costs no slow probes. Probes
# carry -N 1 -R 1: a BMC that does not answer otherwise costs ~20 s a call.
realbmc_wait_ready() (
    dir=$1 pid=$2 port=$3
    for _ in $(seq 30); do
        realbmc_alive "$pid" || return 1
        [ "$(realbmc_sockets "$port")" -eq 0 ] || break
        sleep 0.1
    done
    [ "$(realbmc_sockets "$port")" -gt 0 ] || return 1
    for _ in 1 2 3; do
        # shellcheck disable=SC2046
        $REALBMC_IPMITOOL $(realbmc_lan_args "$dir") -P "$REALBMC_PASS" -N 1 -R 1 \
            raw 0x06 0x01 >/dev/null 2>&1 && return 0
    done
    return 1
)

realbmc_write_wrapper() (
    set -eu
    mkdir -p "$1/$2"
    # The absolute path keeps the wrapper from finding itself on PATH.
    printf '#!/bin/sh\nexec %s %s -P %s "$@"\n' \
        "$REALBMC_IPMITOOL" "$(realbmc_lan_args "$1")" "$3" >"$1/$2/ipmitool"
    chmod 755 "$1/$2/ipmitool"
)

realbmc_start() (
    set -eu
    [ $# -ge 2 ] || realbmc_die "usage: start DIR IMAGE [SIZE [IMAGE3]]"
    [ -f "$2" ] || realbmc_die "no image file $2"
    [ -z "${4:-}" ] || [ -f "$4" ] || realbmc_die "no image file $4"
    mkdir -p "$1/state"
    # ipmi_sim opens the FRU file by the path in the command file.
    dir=$(cd "$1" && pwd) size=${3:-$(stat -c %s "$2")}
    # FRU inventory offsets are 16 bits wide.
    case $size in '' | *[!0-9]*) realbmc_die "SIZE must be a number: $size" ;; esac
    if [ "$size" -lt 1 ] || [ "$size" -gt 65535 ]; then realbmc_die "SIZE must be 1..65535: $size"; fi
    realbmc_stop "$dir"
    # Wrappers of an earlier start would point at a port nobody answers on.
    rm -rf "${dir:?}/bin" "$dir/badbin" "$dir/fru3.bin"
    cp "$2" "$dir/fru.bin"
    # Bytes between the image's end and SIZE read as zeros, as on a new part.
    # A file longer than the device must not be: ipmi_sim 2.0.33 answers a
    # read 1 or 2 bytes past the device's end by reading the rest of the file
    # onto its stack, and dies of it.
    truncate -s "$size" "$dir/fru.bin"
    if [ -n "${4:-}" ]; then
        cp "$4" "$dir/fru3.bin" && truncate -s "$size" "$dir/fru3.bin"
    fi
    for _ in 1 2 3; do
        port=$(realbmc_free_port)
        [ "$(realbmc_sockets "$port")" -eq 0 ] || continue
        echo "$port" >"$dir/port"
        realbmc_write_config "$dir" "$port" "$size"
        ipmi_sim -c "$dir/lan.conf" -f "$dir/cmds.emu" -s "$dir/state" -n -p \
            </dev/null >"$dir/ipmi_sim.log" 2>&1 &
        echo $! >"$dir/ipmi_sim.pid"
        ready=0
        realbmc_wait_ready "$dir" $! "$port" && ready=1
        # A second socket means someone else took the port meanwhile.
        if [ $ready = 1 ] && [ "$(realbmc_sockets "$port")" -eq 1 ]; then
            realbmc_write_wrapper "$dir" bin "$REALBMC_PASS"
            return 0
        fi
        realbmc_stop "$dir"
        [ $ready = 1 ] || break
    done
    realbmc_die "ipmi_sim did not answer on 127.0.0.1 (log: $dir/ipmi_sim.log;" \
        "with -n it hides errors in $dir/cmds.emu: run it once without -n to see them)"
)

realbmc_badpass() (
    set -eu
    [ -f "$1/port" ] || realbmc_die "$1: not started"
    realbmc_write_wrapper "$1" badbin "wrong-$REALBMC_PASS"
)

# A killed child of a shell that is still running stays as a zombie until
# that shell exits; for us it is gone.
realbmc_alive() {
    [ "$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" != Z ] && kill -0 "$1" 2>/dev/null
}

# The recorded pid may since have gone to another process, another test's
# simulator included, so only one running this directory's config is killed.
realbmc_stop() (
    set -eu
    [ -f "$1/ipmi_sim.pid" ] || return 0
    dir=$(cd "$1" && pwd) pid=$(cat "$1/ipmi_sim.pid")
    if tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF -- "-c $dir/lan.conf "; then
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            realbmc_alive "$pid" || break
            sleep 0.1
        done
        if realbmc_alive "$pid"; then kill -9 "$pid" 2>/dev/null || true; fi
    fi
    rm -f "$dir/ipmi_sim.pid"
)

# Only -v makes ipmitool show the board and product FRU file ids; its chatter
# goes to stderr. Both decoders shift the manufacturing date by the local time
# zone, in opposite directions; under UTC they print what the record holds.
realbmc_print() (
    set -eu
    # shellcheck disable=SC2046
    TZ=UTC exec $REALBMC_IPMITOOL $(realbmc_lan_args "$1") -P "$REALBMC_PASS" -v fru print "${2:-0}"
)

# ipmi-fru keeps an SDR cache under the home directory of the user's
# password entry, not HOME; a scratch directory named for it keeps runs apart.
realbmc_freeipmi() (
    set -eu
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    # ipmi-fru lives in /usr/sbin, which a developer who is not root may lack.
    HOME=$home TZ=UTC PATH=$PATH:/usr/sbin ipmi-fru --sdr-cache-directory="$home" "$@"
)

realbmc_frufile() { realbmc_freeipmi --fru-file="$1/fru.bin"; }

# LAN 2.0 sessions of ipmi-fru fail against ipmi_sim unless the privilege is
# asked for when the session is opened (-W opensesspriv).  ipmi-fru finds a
# device other than 0 through its locator in the SDR repository; without
# the SDR cache it reads device 0 whatever --device-id says.
realbmc_lanfru() (
    set -eu
    sdr=--ignore-sdr-cache
    [ -z "${2:-}" ] || sdr=--device-id=$2
    realbmc_freeipmi -D LAN_2_0 -h "127.0.0.1:$(cat "$1/port")" -u "$REALBMC_USER" \
        -p "$REALBMC_PASS" -W opensesspriv "$sdr"
)

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -eu
    case ${1:-} in
    image | start | badpass | stop | print | lanfru | frufile)
        cmd=$1
        shift
        "realbmc_$cmd" "$@"
        ;;
    *) sed -n '7,19s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    esac
fi
