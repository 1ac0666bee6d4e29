#!/bin/sh
# Renders the interface images from the SVG sources in src/.
# Every "*-button.svg" gives two images: NAME.png and NAME-pressed.png, the latter
# drawn from the same SVG with pressed.css applied. Other SVGs give NAME.png only.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu

cd "$(dirname "$0")"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found; install it with: apt-get install librsvg2-bin" >&2
    exit 1
fi

render() {
    # $1 source SVG, $2 target PNG, further arguments go to rsvg-convert
    source=$1
    target=$2
    shift 2
    rsvg-convert --width 50 --height 50 --format png "$@" --output "$target" "$source"
    echo "$target"
}

for source in src/*.svg; do
    name=$(basename "$source" .svg)
    render "$source" "$name.png"
    case $name in
    *-button) render "$source" "$name-pressed.png" --stylesheet src/pressed.css ;;
    esac
done
