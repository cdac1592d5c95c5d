#!/bin/sh
# Corvane Lumetra.exe's first start (no settings file) photographed in a
# prefix at 96 DPI and in one at 144 DPI. The 96-DPI picture must match the
# README's screenshot; the 144-DPI one must be the 96-DPI one grown by 1.5:
# outline, title strip, pictures and colour bands where the scale puts them.
# The pictures stay in WORK (first-start-96.png is the README's screenshot).
# WIZARD_PICTURES holds the wizard pages the captions tests kept, in 96/ and
# 144/; each page at 144 DPI must be the one at 96 DPI grown by 1.5 as well.
# Usage: lumetra_dpi_screenshots.sh WINE_RUN ROOT_96 ROOT_144 EXE README_PNG WORK WIZARD_PICTURES
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/lumetra_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root96=$2 root144=$3 exe=$4 readme_png=$5 work=$6 wizard_pictures=$7
rm -rf "$work" && mkdir -p "$work"
pid=
trap stop_program EXIT

# photograph DPI ROOT: starts a fresh copy of the program in ROOT's prefix
# and keeps its window as first-start-DPI.png.
photograph() {
  dpi=$1 root=$2 dir="$work/$1"
  mkdir -p "$dir/program" "$dir/home"
  cp "$exe" "$dir/program/"
  export LUMETRA_TEST_HOME="$dir/home"
  start_program "$dir/program/$(basename "$exe")" "$dir/log"
  wait_window "Corvane Lumetra 1.2.0" || { cat "$dir/log"; exit 1; }
  sleep 2  # painted
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/first-start-$dpi.png"
  echo "$dpi DPI: window ${WIDTH} x ${HEIGHT} at $X, $Y"
  stop_program
}

photograph 96 "$root96"
photograph 144 "$root144"
/usr/bin/python3 "$here/compare_dpi_pictures.py" "$work/first-start-96.png" "$work/first-start-144.png" "$readme_png" \
  "$wizard_pictures/96" "$wizard_pictures/144"
