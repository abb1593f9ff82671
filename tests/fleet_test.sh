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
# The BMC of a fault:HOST refuses korrel's third write and every later one.
refuse=2-
# Batches [1, 25%] of the eight hosts: h1 | h2 h3 | h4 h5 | h6 h7 | h8.

# Host outcomes: C changed, P planned (check mode), O already set, R restored
# after a refused write, H refused by korrel with nothing written (blank
# device), S refused for a host directory others may write to, U not run as
# the run stopped, N no host touched.
# run       fresh special   status  outcomes   output holds             arguments
runs='
check       yes   -         0       PPPPPPPP   +Board_Serial:_SN-h8     --check --diff
first       -     -         0       CCCCCCCC   -
second      -     -         0       OOOOOOOO   -
refused     yes   fault:h3  2       CCRUUUUU   -
widened     yes   fault:h3  2       CCRCCCCC   -                        -e korrel_max_fail_percentage=50
long        -     long:h5   2       NNNNNNNN   at_most_63_bytes
shared      yes   shared:h1 2       SUUUUUUU   -
blank       yes   blank:h1  2       HUUUUUUU   -'

line() {  # OUTCOME HOST: the start of the host's summary line
    case $1 in
        C) echo "\"changed $2 BSN: '$old' -> 'SN-$2'; saved as $out/$2-" ;;
        P) echo "\"would change $2 BSN: '$old' -> 'SN-$2'\"" ;;
        O) echo "\"ok      $2 BSN: 'SN-$2' already\"" ;;
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
        value=SN-$h extra= mode=700
        [ "$fresh" = yes ] && cp "$sample" "$work/$h.bin"
        case $special in long:$h) value=$(printf 'é%.0s' {1..32}) ;; fault:$h) extra=", FRUSIM_FAIL_WRITE: \"$refuse\"" ;;
                         shared:$h) mode=777 ;; blank:$h) head -c 256 /dev/zero >"$work/$h.bin" ;; esac
        cp "$work/$h.bin" "$out/$h.before" && rm -f "$work/$h.log" && mkdir -m $mode "$out/$h"
        printf '    %s: {korrel_value: "%s", korrel_host_dir: "%s", korrel_environment: {PATH: "%s", FRUSIM_IMAGE: "%s", FRUSIM_LOG: "%s", KORREL_STATE_DIR: "%s"%s}}\n' \
            "$h" "$value" "$out/$h" "$build/sim:$build:$PATH" "$work/$h.bin" "$work/$h.log" "$work/$h.state" "$extra" >>"$out/hosts.yml"
    done
    # shellcheck disable=SC2086 # the arguments are words
    HOME=$work ANSIBLE_NOCOLOR=1 ansible-playbook -i "$out/hosts.yml" -f 8 -e korrel_key=BSN \
        -e korrel_backup_dir="$out" $args "$src/contrib/ansible/korrel.yml" >"$out/play.log" 2>&1; got=$?
    [ "$got" = "$status" ] || fail "$run: ansible-playbook exited with $got, not $status"
    [ "$(grep -c ' changed=[1-9]' "$out/play.log")" = "$(tr -cd CP <<<"$outcomes" | wc -c)" ] || fail "$run: hosts changed in the recap"
    [ "$expect" = - ] || grep -qF -- "${expect//_/ }" "$out/play.log" || fail "$run: the output lacks: ${expect//_/ }"
    for ((i = 0; i < ${#outcomes}; i++)); do
        h=h$((i + 1)) o=${outcomes:i:1} want=$(line "$o" "$h") left=$(cd "$out/$h" && find . -type f | sed 's/saved\.[^/]*/saved/')
        [ -z "$want" ] || grep -qF -- "$want" "$out/play.log" || fail "$run: the summary lacks: $want"
        if [ "$o" = C ]; then
            diff <(fields "$out/$h.before" | sed "s/\(Board Serial Number: \).*/\1SN-$h/") <(fields "$work/$h.bin") >/dev/null ||
                fail "$run: $h: the record is not the old one with the new serial number"
        else
            cmp -s "$out/$h.before" "$work/$h.bin" || fail "$run: $h: the record changed"
        fi
        case $o in C | R | H) cmp -s "$out/$h.before" "$out/$h"-*.bin || fail "$run: $h: the fetched copy is not the record as it was"
                          [ "$left" = ./korrel-saved/fru0.bin ] || fail "$run: $h: left on the host: $left" ;;
                   *) [ -z "$left" ] || fail "$run: $h: left on the host: $left" ;;&
                   P | O | S) [ -s "$work/$h.log" ] && ! grep -qvx -- '-v fru print 0' "$work/$h.log" || fail "$run: $h: more than fru print" ;;
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
