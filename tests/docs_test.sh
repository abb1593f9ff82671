#!/bin/bash
# The manual page, the README and the bash completion checked against the
# program they describe, and an install into a scratch prefix against what
# an admin gets.
#
#   docs_test.sh SRCDIR BUILDDIR SIMDIR SBINDIR MANDIR DATAROOTDIR DOCDIR
#
# The install directories are GNUInstallDirs' relative ones. Every check runs;
# each failure is listed, and any failure gives status 1.
set -u
src=$1 build=$2 simdir=$3 sbindir=$4 mandir=$5 datadir=$6 docdir=$7
page=$src/doc/korrel.8 readme=$src/README.md
unset "${!FRUSIM_@}"
work=$(mktemp -d)
export KORREL_STATE_DIR=$work/state  # never the machine's own lock and journal
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
same() {  # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] && return
    fail "$1 (-expected +actual)"
    diff -u <(printf '%s\n' "$2") <(printf '%s\n' "$3") | tail -n +3
}
run() {  # DIR PROGRAM ARGS...: in a fresh DIR, on a copy of the sample record
    mkdir "$1" && cp "$src/sim/sample-fru.bin" "$1/dev.bin" &&
        (cd "$1" && PATH=$simdir:$PATH FRUSIM_IMAGE=$1/dev.bin "${@:2}" >console 2>&1)
}
usage_of() { sed -nE 's/^([A-Z_]+) +: (.*)/\1|\2/p' "$1"; }
# What a completion file offers for the last of the words given.
offered() { bash -c '. "$1"; COMP_WORDS=("${@:2}"); COMP_CWORD=$(($# - 2)); _korrel; printf "%s\n" "${COMPREPLY[@]}"' - "$@"; }
section() { awk -v s="$2" '/^\.SH/ { on = $0 ~ "^.SH \"?" s } on' "$1"; }

mandoc -Tlint "$page" || fail "mandoc -Tlint warns about korrel.8"

# Keys, as "KEY|Label": the usage against the page, the README and the completion.
run "$work/usage" "$build/korrel" || fail "korrel without arguments failed"
usage=$(usage_of "$work/usage/console")
[ -n "$usage" ] || fail "korrel printed no usage"
same "KEYS in korrel.8 against the usage" "$usage" \
    "$(section "$page" KEYS | awk '/^\.B / { k = $2; getline; print k "|" $0 }')"
same "the README's keys table against the usage" "$usage" \
    "$(sed -nE '/^## Keys/,/^## /s/^\| `([A-Z_]+)` \| (.*[^ ]) +\| [a-z]+ \|$/\1|\2/p' "$readme")"
keys=$(cut -d'|' -f1 <<<"$usage"; sed -nE 's/.*kOnlyBsn = "(.*)";/\1/p' "$src/src/driver/edit.cpp")

# Every failure text in the sources ("...!!!...", %s a file name) is in the
# page's DIAGNOSTICS and the README's table, and they quote no other.
grep -rhoE '"([^"\\]|\\.)*!!!([^"\\]|\\.)*"' "$src/src" |
    sed -E 's/^"(.*)"$/\1/; s/\\n//g; s/[.*^$()+?{}|[]/\\&/g; s/%s/[^ ]+/g' >"$work/messages"
diagnostics=$(section "$page" DIAGNOSTICS | grep -oE '"[^"]*!!![^"]*"' | tr -d '"')
table=$(sed -n '/^## Troubleshooting/,/^## /p' "$readme" | grep -oE '`[^`]*!!![^`]*`' | tr -d '`')
while IFS= read -r re; do
    grep -qxE "$re" <<<"$diagnostics" || fail "DIAGNOSTICS in korrel.8 lacks /$re/"
    grep -qxE "$re" <<<"$table" || fail "the README's troubleshooting table lacks /$re/"
done <"$work/messages"
printf '%s\n' "$diagnostics" "$table" | grep -vxEf "$work/messages" && fail "quoted, but never printed"

# The README's worked example, run: its console output as shown.
example=$(sed -nE 's|^\$ .*/build/korrel ([A-Z].*)$|\1|p' "$readme" | head -1)
read -r -a args <<<"$example"
run "$work/example" "$build/korrel" "${args[@]}" || fail "the README's example failed"
same "the README's example output" \
    "$(awk -v c="/build/korrel $example" 'on && /^(\$ |```)/ { exit } on; index($0, c) { on = 1 }' "$readme")" \
    "$(cat "$work/example/console")"

# The install tree: the program with the same usage, the page, the completion.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
completion=$datadir/bash-completion/completions/korrel
# The examples are the playbook's files in the source tree, not whatever a run left beside them.
installed=$(printf '%s\n' "$sbindir/korrel" "$mandir/man8/korrel.8.gz" "$completion" "$docdir/copyright" \
    "$docdir/changelog.gz"; cd "$src/contrib/ansible" && { git ls-files 2>/dev/null || find . -type f -printf '%P\n'; } |
    sed "s|^|$docdir/examples/|")
same "files installed" "$(sort <<<"$installed")" "$(cd "$prefix" && find . -type f | cut -c3- | sort)"
zcat "$prefix/$mandir/man8/korrel.8.gz" | cmp -s - "$page" || fail "the installed page is not doc/korrel.8"
same "what the installed completion offers against the keys" "$keys" "$(offered "$prefix/$completion" korrel "")"
same "what it offers behind --fru-id N" "$keys" "$(offered "$prefix/$completion" korrel --fru-id 3 "")"
same "what it offers for an option" --fru-id "$(offered "$prefix/$completion" korrel -)"
run "$work/installed" "$prefix/$sbindir/korrel" || fail "the installed korrel failed"
same "the installed korrel's usage" "$usage" "$(usage_of "$work/installed/console")"
for f in "$sbindir/korrel" "$mandir/man8/korrel.8.gz" "$completion"; do grep -qF "$f" "$readme" || fail "README lacks $f"; done

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
