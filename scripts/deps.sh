#!/usr/bin/env bash
# Installs the Debian packages korrel's build, demo and tests need, when any
# is missing.  `deps.sh build` for building and the demo, `deps.sh test` for
# every test (the real BMC stack and the decoders, the Debian package with
# lintian and hardening-check, the RPM with rpm and rpmlint, the Ansible
# playbook with ansible-lint and the manual page check included).
set -euo pipefail
packages=(cmake g++ make libgtest-dev)
if [ "${1-build}" = test ]; then
    packages+=(ipmitool openipmi freeipmi-tools groff-base clang libclang-rt-dev gdb strace xxd
               dpkg-dev file lintian devscripts rpm rpmlint ansible-core ansible-lint mandoc)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
