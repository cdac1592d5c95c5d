#!/bin/sh
# Corvane Lumetra.exe's settings as a person meets them: the first start with
# no settings file speaks Romanian while the language box shows "English";
# picking "English" switches the window; the volume, the beat slider and the
# window's place are changed with the mouse; the close picture writes five
# lines to settings.ini beside the program; the next start brings all of it
# back. A settings.ini of 5,000 lines then opens the window (it once took
# minutes), and the close picture writes five lines again. Both starts are
# timed and printed, the faster of two each, as a measurement: a shared
# machine makes a ratio too noisy to fail on. A screenshot of the first start
# is kept.
# Usage: lumetra_settings.sh WINE_RUN WINE_ROOT EXE WININSPECT WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 exe=$3 inspect=$4 work=$5
rm -rf "$work" && mkdir -p "$work/program" "$work/home"
cp "$exe" "$work/program/"
program="$work/program/$(basename "$exe")"
settings="$work/program/settings.ini"
export LUMETRA_TEST_HOME="$work/home"
title="Corvane Lumetra 1.2.0"
trap stop_program EXIT

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok   $*"; }
# The window tree as the inspector reads it from outside, once the window
# is shown (start-up has run by then).
inspect() {
  for _ in $(seq 30); do
    "$wine_run" "$root" "$inspect" --wait "$title" >"$work/tree.txt" 2>&1 || true
    head -n 1 "$work/tree.txt" | grep -q "visible=1" && return 0
    sleep 1
  done
  cat "$work/tree.txt"
  fail "the window was never shown"
}
# Reads the window again until it shows TEXT, for up to 15 s: the program
# answers a click in its own time, slower when the machine is busy.
inspect_until() {
  for _ in $(seq 15); do
    inspect
    grep -qF -- "$1" "$work/tree.txt" && return 0
    sleep 1
  done
}
has() { grep -qF -- "$1" "$work/tree.txt" || { cat "$work/tree.txt"; fail "$2"; }; }
# A field of the child window whose line holds TEXT: field rect=... / pos=...
field() { grep -F -- "$1" "$work/tree.txt" | head -n 1 | sed -n "s/.* $2=\([^ ]*\).*/\1/p"; }
window_rect() { head -n 1 "$work/tree.txt" | sed -n 's/.* rect=\([^ ]*\) .*/\1/p'; }

# --- First start: no settings file -----------------------------------------
start_program "$program" "$work/first.log"
wait_window "Corvane Lumetra"
inspect
has 'text="Alege o stare si apoi apasa Start:"' "the prompt is not Romanian"
has 'text="Limba"' "the language header is not Romanian"
has 'class="ComboBox" text="English"' "the language box does not show English"
has 'cursel=-1 items=English|Romana' "a language item is chosen already"
has 'items=Atent, concentrat|' "the presets are not Romanian"
ok "first start: Romanian captions, the language box shows English with no item chosen"
sleep 1
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
set -- $geometry
import -window root -crop "691x431+$1+$2" +repage "$work/first-start.png"

# Pick "English" from the drop-down: its arrow, then the first row.
click_at 680 234
sleep 1
click_at 590 253
inspect_until 'text="Chose a mental state and press Start:"'
has 'text="Chose a mental state and press Start:"' "picking English did not switch the prompt"
has 'text="Language"' "picking English did not switch the headers"
has 'cursel=0 items=English|Romana' "English is not the chosen item"
has 'items=Attention focusing|' "the presets are not English"
ok "picking English switches the window"

# Volume: three clicks on the bar's right arrow (quieter); slider: one click
# on its track left of the thumb (a page towards 0); then drag the window by
# its title strip.
for _ in 1 2 3; do click_at 682 288; sleep 0.3; done
click_at 260 328
sleep 1
xdotool mousemove --window "$wid" 100 12 mousedown 1
sleep 0.5
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove_relative -- 10 6; sleep 0.1; done
xdotool mouseup 1
sleep 1
inspect
volume=$(field 'class="ScrollBar" text="" rect=544,280' pos)
slider=$(field 'class="msctls_trackbar32"' pos)
place=$(window_rect)
[ "$volume" != "2800" ] || fail "the volume did not move"
[ "$slider" != "21" ] || fail "the slider did not move"
case "$place" in 0,0,*) fail "the window was not dragged (at $place)";; esac
ok "changed: volume bar at $volume, slider at $slider, window at $place"

# The close picture (21 x 21 at 9840, 30 twips) saves and ends the program.
close_by_picture() {
  click_at 666 12
  for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
  kill -0 "$pid" 2>/dev/null && fail "the program still runs after the close picture"
  wait "$pid" 2>/dev/null || true
  pid=
  [ -f "$settings" ] || fail "no settings.ini beside the program"
  lines=$(tr -d '\n' <"$settings" | tr '\r' '\n' | wc -l)
  [ "$lines" -eq 5 ] || { od -c "$settings" | head; fail "settings.ini has $lines lines"; }
}
close_by_picture
[ "$(sed -n 2p "$settings" | tr -d '\r')" = "0" ] || fail "the language line is not 0"
echo "settings.ini: $(tr -d '\n' <"$settings" | tr '\r' ' ')"
ok "the close picture wrote five lines and ended the program"

# --- Second start: everything comes back -------------------------------------
start_program "$program" "$work/second.log"
wait_window "Corvane Lumetra"
inspect
has 'text="Chose a mental state and press Start:"' "the language did not come back"
has 'cursel=0 items=English|Romana' "the language box did not come back"
[ "$(field 'class="ScrollBar" text="" rect=544,280' pos)" = "$volume" ] || fail "the volume did not come back"
[ "$(field 'class="msctls_trackbar32"' pos)" = "$slider" ] || fail "the slider did not come back"
[ "$(window_rect)" = "$place" ] || fail "the window's place did not come back ($(window_rect), saved $place)"
ok "the next start restores language, volume, slider and position"

# --- A settings.ini of 5,000 lines starts as a good one does ------------------
# Milliseconds from the start until the window shows, in elapsed.
timed_start() {
  t0=$(date +%s%N)
  start_program "$program" "$work/timed.log"
  wait_window "$title" || fail "no window within 60 s of the start"
  elapsed=$(( ($(date +%s%N) - t0) / 1000000 ))
  sleep 1
}
close_by_picture
cp "$settings" "$work/good.ini"
{ cat "$work/good.ini"; for _ in $(seq 4995); do printf '9\r\n'; done; } >"$work/long.ini"
least() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }
normal= long=
for _ in 1 2; do
  cp "$work/long.ini" "$settings"
  timed_start; close_by_picture
  long=$(least "$long" "$elapsed")
  cmp -s "$settings" "$work/good.ini" || fail "after 5,000 lines the close picture saved other values"
  timed_start; close_by_picture
  normal=$(least "$normal" "$elapsed")
done
ratio=$(awk -v a="$long" -v b="$normal" 'BEGIN { printf "%.2f", a / b }')
echo "measured: start with 5 lines $normal ms; with 5,000 lines $long ms (ratio $ratio)"
ok "5,000 lines start and the close picture saves five lines"
