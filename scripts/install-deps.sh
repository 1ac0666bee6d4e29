#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the headless run need, when missing.
set -euo pipefail

packages=(
    cmake g++ make ninja-build clang-format
    qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
    qml6-module-qtqml qml6-module-qtqml-models
    qml6-module-qttest qml6-module-qtquick-layouts
    xvfb xdotool imagemagick x11-utils fonts-dejavu-core python3
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev
    sway grim qt6-wayland
    dbus at-spi2-core python3-pyatspi
    qt6-virtualkeyboard-plugin qml6-module-qtquick-virtualkeyboard qml6-module-qt-labs-folderlistmodel
)

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
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
