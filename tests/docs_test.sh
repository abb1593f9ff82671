#!/bin/bash
# The manual page and the README checked against the program they describe,
# and an install into a scratch prefix checked against what an admin gets.
#
#   docs_test.sh docs    SRCDIR KORREL SIMDIR
#   docs_test.sh install SRCDIR KORREL SIMDIR BUILDDIR CMAKE BINDIR MANDIR
#
# KORREL is the built program, SIMDIR the directory of the stand-in ipmitool.
# Every check runs; each failure is listed, and any failure gives status 1.
set -u

mode=$1
src=$(realpath "$2") korrel=$(realpath "$3") simdir=$(realpath "$4")
page=$src/doc/korrel.1
readme=$src/README.md
console_h=$src/src/common/console.h
fields_h=$src/src/common/fields.h
sample=$src/sim/sample-fru.bin
sample_fields=$src/sim/sample-fru.txt

# Fault injection meant for other tests must not reach these runs.
unset "${!FRUSIM_@}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Compares two texts; on a difference prints it as a unified diff.
same() {  # WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        fail "$1"
        diff -u <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed 's/^/    /'
    fi
}

# ---- the program's own tables ---------------------------------------------

literal='"([^"\\]|\\.)*"'
msg_part() { sed -n '/^namespace msg {/,/^}  \/\/ namespace msg/p' "$console_h"; }
rest_part() { sed '/^namespace msg {/,/^}  \/\/ namespace msg/d' "$console_h"; }

# "kName<TAB>text" for each constant; a literal may sit on the next line.
constants() {
    tr '\n' ' ' | grep -oE "k[A-Za-z0-9]+ = +$literal" |
        sed -E 's/^(k[A-Za-z0-9]+) = +"(.*)"$/\1\t\2/'
}

# Surrounding newlines are layout, not part of the text an operator sees.
trim_newlines() { sed -E 's/^(\\n)+//; s/(\\n)+$//'; }

# Every console text: each msg:: constant, with %s filled by each file name
# that the program passes for it.
console_texts() {
    local name text file_const file
    while IFS=$'\t' read -r name text; do
        text=$(printf '%s\n' "$text" | trim_newlines)
        if [[ $text != *%s* ]]; then
            printf '%s\n' "$text"
            continue
        fi
        # putFormat(msg::kName, kFile), or a helper's (kFile, msg::kName).
        grep -rhoE "putFormat\(msg::$name, *k[A-Za-z0-9]+\)|k[A-Za-z0-9]+, *msg::$name\)" "$src/src" |
            sed -E 's/msg::k[A-Za-z0-9]+//' | grep -oE 'k[A-Za-z0-9]+' | sort -u |
            while read -r file_const; do
                file=$(rest_part | constants | awk -F'\t' -v k="$file_const" '$1 == k { print $2 }')
                [ -n "$file" ] && printf '%s\n' "${text//%s/$file}"
            done
    done < <(msg_part | constants)
    # Messages kept in other tables (the areas' missing end markers).
    grep -rhoE --include='*.h' --include='*.cpp' --exclude=console.h \
        "\"([^\"\\\\]|\\\\.)*!!!([^\"\\\\]|\\\\.)*\"" "$src/src" |
        sed -E 's/^"(.*)"$/\1/' | trim_newlines
}

msg_text() {  # NAME
    msg_part | constants | awk -F'\t' -v k="$1" '$1 == k { print $2 }' | trim_newlines
}

file_names() { rest_part | constants | cut -f2; }
table_keys() { grep -oE '\{"[A-Z_]+", Area' "$fields_h" | sed -E 's/^\{"([A-Z_]+)".*/\1/'; }
max_value() { sed -nE 's/.*kMaxValue = ([0-9]+);.*/\1/p' "$fields_h"; }

# "KEY|Label" for each usage line of a korrel run's console output.
usage_pairs() { grep -E '^[A-Z][A-Z_]* +: ' "$1" | sed -E 's/^([A-Z_]+) +: /\1|/'; }

# ---- running korrel against the stand-in BMC ------------------------------

run_in() {  # DIR PROGRAM ARGS...: console, stderr and status land in DIR
    local dir=$1 prog=$2
    shift 2
    (cd "$dir" && PATH="$simdir:$PATH" FRUSIM_IMAGE="$dir/dev.bin" FRUSIM_LOG="$dir/log" \
        "$prog" "$@" >console 2>stderr
     echo $? >status)
}

fresh_run() {  # DIR PROGRAM ARGS...: on a fresh copy of the sample record
    mkdir -p "$1" && cp "$sample" "$1/dev.bin" && run_in "$@"
}

# The fields the record in DIR/dev.bin decodes to, as fru.txt lines, into
# OUT: a run that cannot create fru.sh stops after leaving fru.txt, before
# any write.
fields_of() {  # DIR PROGRAM OUT
    local probe=$1/probe
    rm -rf "$probe" && mkdir -p "$probe/fru.sh" && cp "$1/dev.bin" "$probe/dev.bin"
    run_in "$probe" "$2"
    [ "$(cat "$probe/status")" = 1 ] && [ -f "$probe/fru.txt" ] && cp "$probe/fru.txt" "$3"
}

# Compares the fields of DIR/dev.bin with EXPECTED.
same_fields() {  # WHAT DIR PROGRAM EXPECTED
    if fields_of "$2" "$3" "$2/fields"; then
        same "$1" "$4" "$(cat "$2/fields")"
    else
        fail "$1: no fru.txt left by a run refused its fru.sh"
    fi
}

# ---- the manual page -------------------------------------------------------

section() {  # FILE NAME: the lines of one .SH section of the page
    awk -v s=".SH $2" '/^\.SH / { on = ($0 == s); next } on' "$1"
}

check_render() {
    if ! command -v groff >/dev/null; then
        fail "groff is not installed; the manual page cannot be checked"
        return
    fi
    local dev err
    for dev in ps utf8; do
        err=$(groff -man -T"$dev" -ww -z "$page" 2>&1) || fail "groff -T$dev failed on korrel.1"
        [ -z "$err" ] || fail "groff -T$dev warns about korrel.1: $err"
    done
}

check_sections() {
    same "the manual page's sections" \
        "$(printf '%s\n' NAME SYNOPSIS DESCRIPTION KEYS FILES 'EXIT STATUS' DIAGNOSTICS \
            CAVEATS EXAMPLES 'SEE ALSO')" \
        "$(sed -nE 's/^\.SH +"?([^"]*)"?$/\1/p' "$page")"
}

# Tags of the KEYS section: a .TP, then ".B KEY", then the label.
man_pairs() {
    section "$page" KEYS | awk '
        /^\.TP/ { want = 1; next }
        want == 1 && /^\.B / { key = substr($0, 4); want = 2; next }
        want == 2 { print key "|" $0 }
        { want = 0 }'
}

readme_pairs() {
    awk '/^## / { on = ($0 == "## Keys"); next }
         on && /^\| `[A-Z_]+` \|/ {
             split($0, c, "|"); k = c[2]; l = c[3]
             gsub(/[ `]/, "", k); sub(/^ +/, "", l); sub(/ +$/, "", l)
             print k "|" l }' "$readme"
}

check_keys() {
    fresh_run "$work/usage" "$korrel"
    local usage
    usage=$(usage_pairs "$work/usage/console")
    [ -n "$usage" ] || fail "a run without arguments printed no usage lines"
    same "usage keys against the key table in fields.h" "$(table_keys)" "$(cut -d'|' -f1 <<<"$usage")"
    same "KEYS in korrel.1 against the usage" "$usage" "$(man_pairs)"
    same "the README's keys table against the usage" "$usage" "$(readme_pairs)"
}

check_files() {
    local tags name
    tags=$(section "$page" FILES | awk '/^\.TP/ { t = 1; next } t && /^\.I / { print substr($0, 4) } { t = 0 }')
    for name in $(file_names); do
        grep -qxF "$name" <<<"$tags" || fail "FILES in korrel.1 has no entry for $name"
    done
}

# ---- console texts quoted in the documents ---------------------------------

# Texts quoted as messages ("!!!") or progress texts (ending in "~").
quoted() { grep -oE "$1" | sed -E 's/^.(.*).$/\1/' | grep -E '!!!|~$'; }
man_quoted() { quoted '"[^"]*"'; }
readme_quoted() { quoted '`[^`]*`'; }

check_messages() {
    local texts failures_list t
    texts=$(console_texts)
    failures_list=$(grep -F '!!!' <<<"$texts")
    [ -n "$failures_list" ] || fail "no failure message found in the program's tables"
    grep -F '%s' <<<"$failures_list" && fail "a failure message whose file name is unknown"

    # Every "!!!" in the documents must be inside a quoted text, so none
    # escapes the comparison below.
    sed -E 's/"[^"]*"//g' "$page" | grep -n '!!!' && fail "korrel.1 has an unquoted message"
    sed -E 's/`[^`]*`//g' "$readme" | grep -n '!!!' && fail "README.md has a message outside backticks"

    while IFS= read -r t; do
        grep -qxF -- "$t" <<<"$texts" || fail "korrel.1 quotes \"$t\", which korrel never prints"
    done < <(man_quoted <"$page")
    while IFS= read -r t; do
        grep -qxF -- "$t" <<<"$texts" || fail "README.md quotes \"$t\", which korrel never prints"
    done < <(readme_quoted <"$readme")

    local diagnostics in_readme
    diagnostics=$(section "$page" DIAGNOSTICS | man_quoted)
    in_readme=$(readme_quoted <"$readme")
    while IFS= read -r t; do
        grep -qxF -- "$t" <<<"$diagnostics" || fail "DIAGNOSTICS in korrel.1 lacks \"$t\""
        grep -qxF -- "$t" <<<"$in_readme" || fail "README.md's troubleshooting lacks \"$t\""
    done <<<"$failures_list"
}

check_limits() {
    local n
    n=$(max_value)
    [ -n "$n" ] || { fail "kMaxValue not found in fields.h"; return; }
    local doc
    for doc in "$page" "$readme"; do
        tr '\n' ' ' <"$doc" | grep -qF "at most $n bytes" ||
            fail "$(basename "$doc") does not give the value limit of $n bytes"
        tr '\n' ' ' <"$doc" | grep -qF "$((n + 1)) bytes or more" ||
            fail "$(basename "$doc") does not say when a value is too long"
    done
}

# ---- the README's worked example -------------------------------------------

# Lines of the console block that follow the prompt line matching PATTERN, up
# to the next prompt or the end of the block.
readme_output() {  # PATTERN
    PAT=$1 awk '/^```/ { on = 0 } on && /^\$ / { on = 0 } on; $0 ~ ENVIRON["PAT"] { on = 1 }' "$readme"
}

check_example() {
    local prompt args
    prompt=$(grep -E '^\$ .*/korrel [A-Z]' "$readme" | head -1)
    [ -n "$prompt" ] || { fail "README.md shows no korrel run"; return; }
    read -r -a args <<<"${prompt##*/korrel }"
    local dir=$work/example
    fresh_run "$dir" "$korrel" "${args[@]}"
    same "exit status of the README's example" 0 "$(cat "$dir/status")"
    same "console output of the README's example (README, then a real run)" \
        "$(readme_output '/korrel [A-Z]')" "$(cat "$dir/console")"

    local head_line n
    head_line=$(grep -E '^\$ head -[0-9]+ fru\.sh$' "$readme")
    [ -n "$head_line" ] || { fail "README.md does not show fru.sh"; return; }
    n=${head_line#'$ head -'}
    n=${n%% *}
    same "fru.sh of the README's example" \
        "$(readme_output '^\$ head -[0-9]+ fru\.sh$')" "$(head -"$n" "$dir/fru.sh")"

    # "dev.bin now holds VALUE as its board serial number and every other
    # field as before" -- holds for a key/value edit of the board serial.
    tr '\n' ' ' <"$readme" | grep -qF "now holds \`${args[-1]}\` as its board serial number" ||
        fail "the README's text names another value than its example sets"
    local label
    label=$(grep -E '^Board Serial Number:' "$sample_fields" | cut -d: -f1)
    if [ "${args[0]}" = BSN ] && [ "${#args[@]}" = 2 ]; then
        same_fields "fields after the README's example" "$dir" "$korrel" \
            "$(grep -v '^#' "$sample_fields" | sed "s|^$label:.*|$label:${args[1]}|")"
    else
        fail "the README's example is not a BSN edit, as its text says"
    fi
}

# ---- the install tree ------------------------------------------------------

check_install() {
    local build=$1 cmake=$2 bindir=$3 mandir=$4
    local prefix=$work/prefix
    case $bindir$mandir in /*)
        fail "absolute install directories ($bindir, $mandir) ignore the prefix"; return ;;
    esac
    if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
        fail "cmake --install failed"
        sed 's/^/    /' "$work/install.log"
        return
    fi
    same "files installed" \
        "$(printf '%s\n' "$bindir/korrel" "$mandir/man1/korrel.1" | sort)" \
        "$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)"
    cmp -s "$page" "$prefix/$mandir/man1/korrel.1" || fail "the installed manual page differs from doc/korrel.1"

    local installed=$prefix/$bindir/korrel dir=$work/installed
    [ -x "$installed" ] || { fail "no executable $bindir/korrel installed"; return; }
    fresh_run "$dir" "$installed"
    same "exit status of the installed korrel without arguments" 0 "$(cat "$dir/status")"
    grep -qxF "$(msg_text kUsage)" "$dir/console" || fail "the installed korrel printed no usage line"
    same "keys in the installed korrel's usage" "$(table_keys)" \
        "$(usage_pairs "$dir/console" | cut -d'|' -f1)"

    # The record was rewritten: every block of fru.sh reached the BMC ...
    local script_writes bmc_writes
    script_writes=$(grep '^ipmitool raw 0x0A 0x12 ' "$dir/fru.sh" 2>/dev/null | sed 's/^ipmitool //')
    bmc_writes=$(grep '^raw 0x0A 0x12 ' "$dir/log")
    [ -n "$script_writes" ] || fail "the installed korrel left no write requests in fru.sh"
    same "writes the stand-in BMC received against fru.sh" "$script_writes" "$bmc_writes"
    # ... and holds the sample's fields unchanged.
    same_fields "fields after the installed korrel's rewrite against sim/sample-fru.txt" \
        "$dir" "$installed" "$(grep -v '^#' "$sample_fields")"
}

# ----------------------------------------------------------------------------

case $mode in
docs)
    check_render
    check_sections
    check_keys
    check_files
    check_messages
    check_limits
    check_example
    ;;
install)
    check_install "$5" "$6" "$7" "$8"
    ;;
*)
    echo "usage: $0 docs|install SRCDIR KORREL SIMDIR [BUILDDIR CMAKE BINDIR MANDIR]" >&2
    exit 2
    ;;
esac

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
