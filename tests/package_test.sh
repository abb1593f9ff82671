#!/bin/bash
# The Debian package as cpack makes it from the install rules: named
# korrel_VERSION_ARCH.deb, free of lintian errors, depending on ipmitool,
# holding what `cmake --install` installs, and its program runs.
#
#   package_test.sh CPACK BUILDDIR VERSION SIMDIR SAMPLE
set -u
cpack=$1 build=$2 version=$3 simdir=$4 sample=$5
unset "${!FRUSIM_@}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
deb=$work/korrel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(cd "$work" && echo *.deb)"
lintian --fail-on error "$deb" || fail "lintian reports errors"
depends=$(dpkg-deb -f "$deb" Depends)
grep -qE '(^|, )ipmitool(,|$| )' <<<"$depends" || fail "Depends lacks ipmitool: $depends"

dpkg-deb -x "$deb" "$work/root"
cmake --install "$build" --prefix "$work/cmake/usr" >/dev/null || fail "cmake --install"
diff -u <(cd "$work/cmake" && find . | sort) <(cd "$work/root" && find . | sort) ||
    fail "the package's tree differs from cmake --install's (-, +)"

# Any argument but a key and value or ONLY_BSN prints the usage.
mkdir "$work/run" && cp "$sample" "$work/run/dev.bin"
(cd "$work/run" && PATH=$simdir:$PATH FRUSIM_IMAGE=$work/run/dev.bin \
    "$work/root/usr/sbin/korrel" --help >out 2>&1) || { cat "$work/run/out"; fail "korrel --help failed"; }
grep -qE '^BSN +: ' "$work/run/out" || { cat "$work/run/out"; fail "the installed korrel printed no usage"; }
echo "package: all checks passed"
