#!/usr/bin/env bash
# Starts the built program. Without a display, runs it on a virtual one, saves a screenshot of
# its window and closes it again.
set -euo pipefail

build_dir=${1:-build}
program="$build_dir/tovimar"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

display_number=99
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
    display_number=$((display_number + 1))
done
export DISPLAY=":$display_number"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
fi

echo "No display found: starting the program on a virtual 800 x 480 display ($DISPLAY)."
Xvfb "$DISPLAY" -screen 0 800x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

"$program" &
program_pid=$!

if ! timeout 20 xdotool search --sync --onlyvisible --name "Tovimar Lite|Error" >/dev/null; then
    echo "The program's window did not show within 20 seconds." >&2
    exit 1
fi
# Give the first frame time to be drawn.
sleep 1.5
screenshot="$build_dir/screenshot.png"
import -window root "$screenshot"
echo "The program's window showed; its screenshot is in $screenshot."

kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=
echo "The program was closed again."
