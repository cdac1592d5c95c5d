#!/bin/sh
# vek.exe started without arguments shows the archive window (titled
# "Dezarhivator") and keeps running until it is closed.
# Usage: vek_window_test.sh VEK_EXE WINE_RUN WINE_ROOT WORK_DIR
set -eu
exe=$1 wine_run=$2 wine_root=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cd "$work"
printf '%s\000%s\000%s' a.txt 3 abc > data.set
cp "$exe" vek.exe

"$wine_run" "$wine_root" ./vek.exe &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
if ! window=$(timeout 60 xdotool search --sync --name '^Dezarhivator$' 2>/dev/null | head -n 1) || [ -z "$window" ]; then
  echo "FAIL: no window titled Dezarhivator appeared"
  exit 1
fi
sleep 1
kill -0 $pid 2>/dev/null || { echo "FAIL: vek.exe ended while its window was up"; exit 1; }
import -window root screenshot.png 2>/dev/null || true
echo "vek.exe shows its window (X window $window)"
