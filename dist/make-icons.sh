#!/bin/sh
# Renders the application icon org.velmora.Tovimar.svg to the fixed sizes of the icon theme,
# icons/NxN.png, for desktops that do not scale SVG icons themselves.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu

cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found; install it with: apt-get install librsvg2-bin" >&2
    exit 1
fi

mkdir -p icons
for size in 16 24 32 48 64 128 256; do
    target=icons/${size}x${size}.png
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$target" org.velmora.Tovimar.svg
    echo "$target"
done
