#!/bin/bash
# The Debian package as cpack makes it from the install rules: named
# korrel_VERSION_ARCH.deb, free of lintian errors, warnings and pedantic
# tags, depending on ipmitool and suggesting bash-completion, with a
# machine-readable copyright file and the playbook among its examples,
# holding what `cmake --install` installs, and its program hardened as
# Debian's own ipmitool is, and runs.
# Then the RPM: named korrel-VERSION-1.ARCH.rpm, free of rpmlint messages,
# requiring ipmitool, and installing the same tree into a scratch root.
#
#   package_test.sh CPACK BUILDDIR VERSION SIMDIR SAMPLE
set -u
cpack=$1 build=$2 version=$3 simdir=$4 sample=$5
unset "${!FRUSIM_@}"
work=$(mktemp -d)
export KORREL_STATE_DIR=$work/state  # never the machine's own lock and journal
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
deb=$work/korrel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(cd "$work" && echo *.deb)"
# The collection's namespace is korrel, as is the package's doc directory.
lintian --pedantic --fail-on error,warning,pedantic --suppress-tags repeated-path-segment "$deb" ||
    fail "lintian reports errors, warnings or pedantic tags"
grep -qE '(^|, )ipmitool(,|$| )' <<<"$(dpkg-deb -f "$deb" Depends)" || fail "Depends lacks ipmitool"
[ "$(dpkg-deb -f "$deb" Suggests)" = bash-completion ] || fail "Suggests is not bash-completion"

dpkg-deb -x "$deb" "$work/root"
cmake --install "$build" --prefix "$work/cmake/usr" >/dev/null || fail "cmake --install"
diff -u <(cd "$work/cmake" && find . | sort) <(cd "$work/root" && find . | sort) ||
    fail "the package's tree differs from cmake --install's (-, +)"
doc=$work/root/usr/share/doc/korrel
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" || fail "no DEP-5 copyright"
ls "$doc"/examples/{korrel.yml,collections/ansible_collections/korrel/fru/plugins/modules/fru_field.py} >/dev/null ||
    fail "the examples lack the playbook or its module"
# Control flow protection needs C start-up files built with it, which Debian 12's
# glibc has not (its ipmitool has none either).
hardening-check --nocfprotection "$work/root/usr/sbin/korrel" || fail "korrel is not hardened"

# Any argument but a key and value or ONLY_BSN prints the usage.
mkdir "$work/run" && cp "$sample" "$work/run/dev.bin"
(cd "$work/run" && PATH=$simdir:$PATH FRUSIM_IMAGE=$work/run/dev.bin \
    "$work/root/usr/sbin/korrel" --help >out 2>&1) || { cat "$work/run/out"; fail "korrel --help failed"; }
grep -qE '^BSN +: ' "$work/run/out" || { cat "$work/run/out"; fail "the installed korrel printed no usage"; }

"$cpack" -G RPM --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G RPM"; }
rpm=$work/korrel-$version-1.$(uname -m).rpm
[ -f "$rpm" ] || fail "no $(basename "$rpm"); cpack made: $(cd "$work" && echo *.rpm)"
# Every message fails but these: rpmbuild gzips manual pages on the RHEL
# family; a package is signed when it is published; Debian's rpmlint knows
# no licence names, and its 2.4 takes a manual page's section for its name;
# korrel has no home page yet.
printf '%s\n' 'CompressExtension = "gz"' 'Filters = ["no-signature", "invalid-license BSD-2-Clause",' \
    '"no-manual-page-for-binary korrel", "no-url-tag"]' >"$work/rpmlint.toml"
rpmlint -s -c "$work/rpmlint.toml" "$rpm" >"$work/rpmlint.log" || { cat "$work/rpmlint.log"; fail "rpmlint"; }
rpm -qpR "$rpm" | grep -qx ipmitool || fail "the RPM does not require ipmitool"
[ "$(rpm -qp --qf '%{LICENSE} %{SUGGESTS}' "$rpm")" = "BSD-2-Clause bash-completion" ] || fail "the RPM's licence or suggests"
rpm --root "$work/rpmroot" --dbpath /var/lib/rpm --nodeps -i "$rpm" 2>/dev/null || fail "rpm -i"
rpm --root "$work/rpmroot" --dbpath /var/lib/rpm --nodeps -V korrel || fail "rpm -V"
diff -u <(cd "$work/cmake" && find ./usr | sort) <(cd "$work/rpmroot" && find ./usr | sort) ||
    fail "the RPM's tree differs from cmake --install's (-, +)"
echo "package: all checks passed"
