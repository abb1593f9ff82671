#!/bin/bash
# contrib/ansible/korrel.yml on eight local hosts, each with its own stand-in
# BMC, request log and private directory, as a table of runs; then
# ansible-lint, the syntax check and ansible-doc on the playbook and module.
#
#   fleet_test.sh SRCDIR BUILDDIR
set -u
src=$1 build=$2 sample=$1/sim/sample-fru.bin
unset "${!FRUSIM_@}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 143' TERM INT HUP
fail() { echo "FAIL: $*"; failures=$((${failures-0} + 1)); }
fields() { HOME=$work TZ=UTC /usr/sbin/ipmi-fru --fru-file="$1" | tail -n +2; }
old=$(fields "$sample" | sed -n 's/^ *FRU Board Serial Number: //p')
# The BMC of a fault:HOST refuses korrel's third write and every later one;
# that of an unknown:HOST also every read from the first of the read-back on.
refuse=2- unread=36-
# Batches [1, 25%] of the eight hosts: h1 | h2 h3 | h4 h5 | h6 h7 | h8.

# Host outcomes: C changed, B changed with no copy saved, D changed on FRU
# device 3 (the special fru3:HOST: korrel_fru_id: 3, and device 0 holds the
# record the run before left, with the value already set), P planned (check
# mode), E planned by ONLY_BSN, O already set, R restored after a refused
# write, K failed with no copy saved and what the BMC holds not known, H
# refused by korrel with nothing written (blank device), S refused for a
# host directory others may write to, U not run as the run stopped, N no
# host touched. The special "key" runs the playbook with the module's
# option under its old name.
# run       fresh special   status  outcomes   output holds             arguments
runs='
check       yes   -         0       PPPPPPPP   +Board_Serial:_SN-h8     --check --diff
first       -     -         0       CCCCCCCC   -
second      -     -         0       OOOOOOOO   -
device      yes   fru3:h2   0       CDCCCCCC   -                        -e korrel_serial=8
onlybsn     -     -         0       EEEEEEEE   +Board_Mfg_Date:_Fri_Mar__1_01:00:00_2019_UTC -e korrel_key=ONLY_BSN --check --diff -e korrel_serial=8
refused     yes   fault:h3  2       CCRUUUUU   -
widened     yes   fault:h3  2       CCRCCCCC   -                        -e korrel_max_fail_percentage=50
long        -     long:h5   2       NNNNNNNN   at_most_63_bytes
relative    -     -         2       NNNNNNNN   must_be_an_absolute_path -e korrel_backup_dir=fru-backup
unmade      -     -         2       NNNNNNNN   cannot_be_made           -e korrel_backup_dir=/dev/null/fru-backup
typed       -     -         2       NNNNNNNN   as_the_float_12000.0     -e {"korrel_value":12E3}
fruid       -     -         2       NNNNNNNN   from_0_to_254_without    -e korrel_fru_id=255
shared      yes   shared:h1 2       SUUUUUUU   -
blank       yes   blank:h1  2       HUUUUUUU   -
nocopy      yes   key       0       BBBBBBBB   -                        -e korrel_backup=false -e korrel_serial=8
unknown     yes   unknown:h3 2     BBKBBBBB   -                        -e korrel_backup=false -e korrel_serial=8'

line() {  # OUTCOME HOST: the start of the host's summary line
    case $1 in
        C) echo "\"changed $2 BSN: '$old' -> 'SN-$2'; saved as $out/$2-" ;;
        D) echo "\"changed $2 BSN: '$old' -> 'SN-$2' (FRU device 3); saved as $out/$2-fru3-" ;;
        B) echo "\"changed $2 BSN: '$old' -> 'SN-$2'\"" ;;
        P) echo "\"would change $2 BSN: '$old' -> 'SN-$2'\"" ;;
        E) echo "\"would change $2 ONLY_BSN: empties Chassis Part Number" ;;
        O) echo "\"ok      $2 BSN: 'SN-$2' already\"" ;;
        K) echo "\"failed  $2: Error!!!Write FRU Failed.; WHAT THE BMC HOLDS IS NOT KNOWN" ;;
        R) echo "\"failed  $2: Error!!!Write FRU Failed.; restored from the saved copy $out/$2/korrel-saved." ;;
        U) echo "\"not run $2: the run stopped before its batch\"" ;;
        S) echo "\"failed  $2: $out/$2 may be changed by another user" ;;
        H) echo "; the record reads as it was before; saved as $out/$2-" ;;
    esac
}
while read -r run fresh special status outcomes expect args; do
    out=$work/$run && mkdir "$out"
    printf 'all:\n  vars: {ansible_connection: local, ansible_python_interpreter: /usr/bin/python3}\n  hosts:\n' >"$out/hosts.yml"
    for h in h{1..8}; do
        value=SN-$h extra= mode=700 image=$work/$h.bin vars=
        [ "$special" = "fru3:$h" ] && cp "$work/$h.bin" "$work/$h-0.bin" && cp "$work/$h.bin" "$out/$h-0.before"
        [ "$fresh" = yes ] && cp "$sample" "$work/$h.bin"
        case $special in long:$h) value=$(printf 'é%.0s' {1..32}) ;; fault:$h) extra=", FRUSIM_FAIL_WRITE: \"$refuse\"" ;;
                         unknown:$h) extra=", FRUSIM_FAIL_WRITE: \"$refuse\", FRUSIM_FAIL_READ: \"$unread\"" ;;
                         shared:$h) mode=777 ;; blank:$h) head -c 256 /dev/zero >"$work/$h.bin" ;;
                         fru3:$h) image=$work/$h-0.bin vars=", korrel_fru_id: 3" extra=", FRUSIM_IMAGE_3: \"$work/$h.bin\"" ;; esac
        cp "$work/$h.bin" "$out/$h.before" && rm -f "$work/$h.log" && mkdir -m $mode "$out/$h"
        printf '    %s: {korrel_value: "%s"%s, korrel_host_dir: "%s", korrel_environment: {PATH: "%s", FRUSIM_IMAGE: "%s", FRUSIM_LOG: "%s", KORREL_STATE_DIR: "%s"%s}}\n' \
            "$h" "$value" "$vars" "$out/$h" "$build/sim:$build:$PATH" "$image" "$work/$h.log" "$work/$h.state" "$extra" >>"$out/hosts.yml"
    done
    play=$src/contrib/ansible/korrel.yml
    if [ "$special" = key ]; then
        sed 's/^\( *\)field:/\1key:/' "$play" >"$out/korrel.yml" && play=$out/korrel.yml
        ln -s "$src/contrib/ansible/collections" "$out" && grep -q '^ *key: ' "$play" || fail "$run: no playbook with key:"
    fi
    # shellcheck disable=SC2086 # the arguments are words
    HOME=$work ANSIBLE_NOCOLOR=1 TZ=UTC ansible-playbook -i "$out/hosts.yml" -f 8 -e korrel_key=BSN \
        -e korrel_backup_dir="$out" $args "$play" >"$out/play.log" 2>&1; got=$?
    [ "$got" = "$status" ] || fail "$run: ansible-playbook exited with $got, not $status"
    [ "$(grep -c ' changed=[1-9]' "$out/play.log")" = "$(tr -cd CBDPE <<<"$outcomes" | wc -c)" ] || fail "$run: hosts changed in the recap"
    [ "$expect" = - ] || grep -qF -- "${expect//_/ }" "$out/play.log" || fail "$run: the output lacks: ${expect//_/ }"
    for ((i = 0; i < ${#outcomes}; i++)); do
        h=h$((i + 1)) o=${outcomes:i:1} dev=0 want=$(line "$o" "$h") left=$(cd "$out/$h" && find . -type f | sed 's/saved\.[^/]*/saved/')
        [ -z "$want" ] || grep -qF -- "$want" "$out/play.log" || fail "$run: the summary lacks: $want"
        if [[ $o = [CBD] ]]; then
            diff <(fields "$out/$h.before" | sed "s/\(Board Serial Number: \).*/\1SN-$h/") <(fields "$work/$h.bin") >/dev/null ||
                fail "$run: $h: the record is not the old one with the new serial number"
        elif [ "$o" != K ]; then
            cmp -s "$out/$h.before" "$work/$h.bin" || fail "$run: $h: the record changed"
        fi
        case $o in D) dev=3 && cmp -s "$out/$h-0.before" "$work/$h-0.bin" || fail "$run: $h: device 0 changed" ;;&
                   C | D | R | H) cmp -s "$out/$h.before" "$out/$h"-*.bin || fail "$run: $h: the fetched copy is not the record as it was"
                          [ "$left" = "./korrel-saved/fru$dev.bin" ] || fail "$run: $h: left on the host: $left" ;;
                   K) [[ $left = *fru.sh* ]] || fail "$run: $h: korrel's fru.sh is not kept: $left" ;;
                   *) [ -z "$left" ] || fail "$run: $h: left on the host: $left" ;;&
                   P | E | O | S) [ -s "$work/$h.log" ] && ! grep -qvx -- '-v fru print 0' "$work/$h.log" || fail "$run: $h: more than fru print" ;;
                   U | N) [ ! -s "$work/$h.log" ] || fail "$run: $h: the BMC was asked: $(head -1 "$work/$h.log")" ;;
        esac
    done
done < <(grep . <<<"$runs")

cd "$src/contrib/ansible" || exit 1
HOME=$work ansible-lint --offline --profile production korrel.yml collections >"$work/lint.log" 2>&1 || { cat "$work/lint.log"; fail "ansible-lint"; }
HOME=$work ansible-playbook --syntax-check -i localhost, korrel.yml >/dev/null || fail "ansible-playbook --syntax-check"
HOME=$work ANSIBLE_COLLECTIONS_PATH=$PWD/collections ansible-doc korrel.fru.fru_field | grep -q 'korrel.fru.fru_field:' || fail ansible-doc

[ "${failures-0}" -eq 0 ] || { cat "$work"/*/play.log; echo "$failures check(s) failed"; exit 1; }
echo "fleet: all checks passed"
