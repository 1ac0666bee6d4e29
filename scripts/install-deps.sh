#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the headless run need, when missing.
# With an architecture (arm64, armhf), also what cross-builds for it and runs its tests under
# emulation: the foreign architecture in dpkg, its cross compiler, its Qt and the emulator.
set -euo pipefail

arch=${1:-}
lists=$(dirname "$0")
# One package a line; lines starting with # are comments.
mapfile -t packages < <(grep '^[^#]' "$lists/build-packages.txt")
mapfile -t target < <(grep '^[^#]' "$lists/target-packages.txt")
packages+=("${target[@]}")
if [ -n "$arch" ]; then
    # And the target's own libraries, headers and QML modules: each as <name>:<arch>.
    packages+=(crossbuild-essential-"$arch" qemu-user-static lintian "${target[@]/%/:$arch}")
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Other builds may be installing at the same time: wait for dpkg rather than fail.
apt_get=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600)
if [ -n "$arch" ] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
    "${sudo[@]}" dpkg --add-architecture "$arch"
fi
"${apt_get[@]}" update -qq
"${apt_get[@]}" install -y -qq --no-install-recommends "${missing[@]}"
