#!/usr/bin/env bash
# Runs startup_bench.exe under Wine on a 1024x768 desktop (scripts/with-wine's private Xvfb)
# and on a 1920x1080 one (a second private Xvfb of that size), and prints its figures.
#
#   bench/startup_bench.sh <windows build folder> [runs]
#   e.g. bench/startup_bench.sh build/windows 5
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?windows build folder}" && pwd)
runs=${2:-5}
bench=$build/bench/startup_bench.exe
[[ -x $bench ]] || { echo "no $bench: build the windows preset first" >&2; exit 1; }
export SORAVANE_WINEPREFIX=${SORAVANE_WINEPREFIX:-$build/bench-wineprefix}

echo "== 1024 x 768 =="
"$root/scripts/with-wine" wine "$bench" "$runs" 2>/dev/null

echo "== 1920 x 1080 =="
display=$((500 + RANDOM % 400))
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    DISPLAY=":$display" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
DISPLAY=":$display" SORAVANE_USE_DISPLAY=1 "$root/scripts/with-wine" --keep-prefix \
    wine "$bench" "$runs" 2>/dev/null
