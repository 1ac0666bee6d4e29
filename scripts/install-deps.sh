#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the headless run need, when missing.
# With an architecture (arm64, armhf), also what cross-builds for it and runs its tests under
# emulation: the foreign architecture in dpkg, its cross compiler, its Qt and the emulator.
set -euo pipefail

arch=${1:-}
packages=(
    cmake g++ make ninja-build clang-format
    qt6-base-dev qt6-base-private-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools
    qt6-tools-dev-tools
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qml6-module-qtqml qml6-module-qtqml-models
    qml6-module-qttest qml6-module-qtquick-layouts
    xvfb xdotool imagemagick x11-utils fonts-dejavu-core python3
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev
    qt6-wayland
    dbus at-spi2-core python3-pyatspi libglib2.0-bin
    qt6-virtualkeyboard-plugin qml6-module-qtquick-virtualkeyboard qml6-module-qt-labs-folderlistmodel
    phoc squeekboard kwin-wayland maliit-keyboard qtwayland5
)
if [ -n "$arch" ]; then
    packages+=(crossbuild-essential-"$arch" qemu-user-static lintian)
    for package in qt6-base-dev qt6-base-private-dev qt6-declarative-dev qt6-tools-dev zlib1g-dev \
        qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript \
        qml6-module-qtqml qml6-module-qtqml-models qml6-module-qttest qml6-module-qtquick-layouts \
        qt6-wayland qt6-virtualkeyboard-plugin qml6-module-qtquick-virtualkeyboard \
        qml6-module-qt-labs-folderlistmodel; do
        packages+=("$package:$arch")
    done
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
