#!/bin/bash
# contrib/ansible/korrel.yml on a fleet of local hosts, each with its own
# stand-in BMC and private directory: three edits that succeed, a BMC that
# refuses korrel's third write, a header korrel refuses, a host without a
# value; and one host behind the real ipmitool and OpenIPMI's ipmi_sim
# (skipped without ipmi_sim, unless CI=true).
#
#   fleet_test.sh SRCDIR BUILDDIR
set -u
src=$1 build=$2
sample=$src/sim/sample-fru.bin realbmc=$src/scripts/realbmc.sh
unset "${!FRUSIM_@}"
work=$(mktemp -d)
trap '"$realbmc" stop "$work/bmc" >/dev/null 2>&1; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT HUP
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
fields() { HOME=$work TZ=UTC /usr/sbin/ipmi-fru --fru-file="$1" | tail -n +2; }

# host NAME DEVICE ENV: a fresh directory and an inventory entry; the new
# serial number is SN-NAME, and NAME.bin names the device.
host() {
    mkdir "$work/$1" && cp "$2" "$work/$1.before"
    printf '    %s: {korrel_value: "%s", korrel_host_dir: "%s", korrel_environment: {%s}}\n' \
        "$1" "${value-SN-$1}" "$work/$1" "$3" >>"$work/hosts.yml"
}
standin() {  # NAME [ENV]: a host with a stand-in BMC on a copy of the sample
    cp "$sample" "$work/$1.bin"
    host "$1" "$work/$1.bin" "PATH: \"$build/sim:$build:$PATH\", FRUSIM_IMAGE: \"$work/$1.bin\"${2:+, $2}"
}
# korrel's last "Error!!!" line for a device like NAME's, run by hand.
message_for() {  # NAME [VAR=VALUE...]
    mkdir "$work/$1.by-hand" && cp "$work/$1.before" "$work/$1.by-hand/dev.bin"
    (cd "$work/$1.by-hand" && env PATH="$build/sim:$PATH" FRUSIM_IMAGE=dev.bin "${@:2}" "$build/korrel" BSN X) |
        grep -o 'Error!!!.*' | tail -1
}

printf 'all:\n  vars: {ansible_connection: local, ansible_python_interpreter: /usr/bin/python3}\n  hosts:\n' >"$work/hosts.yml"
for h in h1 h2 h3; do standin $h; done
standin h4 "FRUSIM_FAIL_WRITE: \"2-\", FRUSIM_LOG: \"$work/h4.log\""
standin h5
value='' standin h6
# Board and product offsets swapped: an unsound common header.
read -r board product < <(od -An -tx1 -j3 -N2 "$sample")
printf "\\x$product\\x$board" | dd of="$work/h5.bin" bs=1 seek=3 conv=notrunc status=none
cp "$work/h5.bin" "$work/h5.before"
real=
if command -v ipmi_sim >/dev/null && "$realbmc" start "$work/bmc" "$sample" >/dev/null; then
    real=real
    ln -s "$work/bmc/fru.bin" "$work/real.bin" && host real "$sample" "PATH: \"$work/bmc/bin:$build:$PATH\""
elif [ "${CI:-}" = true ]; then
    fail "ipmi_sim is missing or did not start; CI must have openipmi (scripts/deps.sh test)"
else
    echo "SKIP: the host behind the real ipmitool: ipmi_sim is missing or did not start"
fi

HOME=$work ANSIBLE_NOCOLOR=1 ansible-playbook -i "$work/hosts.yml" -f 8 -e korrel_key=BSN \
    -e korrel_backup_dir="$work/backup" "$src/contrib/ansible/korrel.yml" >"$work/play.log" 2>&1 || status=$?
[ "${status-0}" = 2 ] || fail "ansible-playbook exited with ${status-0}, not 2 (hosts failed)"
reported() { grep -qF "\"$1" "$work/play.log" || fail "the summary lacks: $1"; }

for h in h1 h2 h3 $real; do
    diff -u <(fields "$work/$h.before" | sed "s/\(Board Serial Number: \).*/\1SN-$h/") <(fields "$work/$h.bin") ||
        fail "$h: the record is not the old one with the new serial number"
    old=$(fields "$work/$h.before" | sed -n 's/^ *FRU Board Serial Number: //p')
    reported "changed $h BSN: '$old' -> 'SN-$h'"
done
reported "failed  h4: $(message_for h4 FRUSIM_FAIL_WRITE=2- FRUSIM_LOG=log 2>/dev/null) (fru.sh kept in $(echo "$work"/h4/korrel-work.*))"
reported "failed  h5: $(message_for h5)\""
reported "failed  h6: korrel_value is missing or empty"
reported "saved records: $work/backup/HOST.bin for h1, h2, h3, h4, h5${real:+, real}\""
for h in h5 h6; do cmp "$work/$h.before" "$work/$h.bin" || fail "$h: the refused device changed"; done

# The saved copies are the devices as they were, and bring back a failed write.
for h in h1 h2 h3 h4 h5 $real; do
    cmp "$work/$h.before" "$work/backup/$h.bin" || fail "$h: the saved copy is not the device as it was"
done
PATH=$build/sim:$PATH FRUSIM_IMAGE=$work/h4.bin ipmitool fru write 0 "$work/backup/h4.bin" >/dev/null || fail "h4: fru write failed"
cmp "$work/h4.before" "$work/h4.bin" || fail "h4: the saved copy did not restore the record"

# Nothing is left on the hosts but the saved copies, and fru.sh of the failed write.
for h in h1 h2 h3 h4 h5 h6 $real; do
    left=$(cd "$work/$h" && find . -mindepth 1 \( -type d ! -perm 700 -printf '%p (mode %m)\n' -o -type f -print \) |
        sed -E 's/korrel-(saved|work)\.[^/]*/\1/' | sort | tr '\n' ' ')
    case $h in h4) want="./saved/fru0.bin ./work/fru.sh " ;; h6) want= ;; *) want="./saved/fru0.bin " ;; esac
    [ "$left" = "$want" ] || fail "$h: left on the host: '$left', not '$want'"
done

[ $failures -eq 0 ] || { cat "$work/play.log"; echo "$failures check(s) failed"; exit 1; }
echo "fleet: all checks passed"
