#!/bin/sh
# Corvane Lumetra.exe as a person uses it: the window opens, Start is clicked
# at its place on the screen, both tones of the first preset sound (each in
# its own channel); Stop is clicked and the sound falls silent. Then Ctrl+S
# saves a minute of the same session through the Save dialog, the system
# menu's item opens the dialog too, and the command line writes the same
# bytes for the same settings. Last, read from outside as a screen reader
# would: every control a person reaches has a name, in either language, and a
# sweep of the keys reaches none of the four hidden rate and pan bars.
# Usage: lumetra_start_stop.sh WINE_RUN WINE_ROOT EXE HOME WINDOW_READER
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 exe=$3 home=$4 reader=$5
wav="$home/recording.wav"
analyse="/usr/bin/python3 $here/../win/tones_in_wav.py"
sh "$here/../win/record_home.sh" "$home"

export LUMETRA_TEST_HOME="$home"
start_program "$exe" "$home/program.log"
trap stop_program EXIT
wait_window "Corvane Lumetra" || { cat "$home/program.log"; exit 1; }
sleep 2

# Names a screen reader reads, by kind of window; the lists, the slider and
# the volume bar are named by the label beside them. A first start speaks
# Romanian.
tree="$home/tree.txt"
read_tree() { "$wine_run" "$root" "$reader" "Corvane Lumetra 1.2.0" >"$tree" 2>&1; }
check_names() {
  read_tree
  # Whatever a person can reach by Tab or by pointing has a name.
  if grep -E 'visible=1 enabled=1 tabstop=1 name=""' "$tree"; then echo "FAIL: a control has no name"; exit 1; fi
  while IFS='|' read -r class name; do
    grep -F "class=\"$class\"" "$tree" | grep -qF "name=\"$name\"" ||
      { cat "$tree"; echo "FAIL: no $class named \"$name\""; exit 1; }
  done
  echo "ok   every reachable control has its name"
}
check_names <<'NAMES'
LumetraPainted|Închide
LumetraPainted|Minimizează
LumetraPainted|Indicatorul bătăilor
ListBox|Alege o stare si apoi apasa Start:
msctls_trackbar32|Poti selecta o optiune din lista, sau poti seta frecventa dorita manual
ComboBox|Limba
ScrollBar|Volum
Button|Start
Button|Stop
NAMES

# Buttons in twips (15 per pixel at 96 dpi), clicked at their centres:
# Start at 120, 5400, 2175 x 375; Stop at 120, 5880, 2175 x 375.
if [ -s "$wav" ]; then
  set -- $($analyse "$wav" level-after 0)
  awk -v rms="$1" 'BEGIN { exit !(rms < 0.0001) }' || { echo "FAIL: sound before Start"; exit 1; }
fi
click_at 80 372
sleep 3
echo "== after Start"
# "Left:" (405.97 Hz) in the left channel only, "Right:" in the right.
$analyse "$wav" check 405.9697 426.9697 --pans 405.9697 426.9697

click_at 80 404
sleep 2
mark=$(stat -c %s "$wav")
sleep 3
set -- $($analyse "$wav" level-after "$mark")
echo "== after Stop: rms $1 of full scale over $2 s"
awk -v rms="$1" -v secs="$2" 'BEGIN { exit !(secs >= 0.5 && rms < 0.0001) }' ||
  { echo "FAIL: the tones did not end"; exit 1; }
echo "ok   the tones ended"

# --- Ctrl+S: a minute of the session into a file named in the dialog --------
# With no settings file the window speaks Romanian, and so does the dialog.
dialog="Salveaza ca WAV"
click_at 400 100
xdotool key ctrl+s
main=$wid
wait_window "$dialog"
"$wine_run" "$root" "$reader" "$dialog" >"$home/dialog.txt" 2>&1
centre() { grep -F -- "$1" "$home/dialog.txt" | head -n 1 |
  sed -n 's/.* rect=\([0-9-]*\),\([0-9-]*\),\([0-9]*\),\([0-9]*\) .*/\1 \2 \3 \4/p' |
  awk '{ print int($1 + $3 / 2), int($2 + $4 / 2) }'; }
lengths=$(centre 'items=1 minut|5 minute|')
name_box=$(centre 'class="Edit" text="Atent, concentrat 30 min.wav"')
[ -n "$lengths" ] && [ -n "$name_box" ] || { cat "$home/dialog.txt"; echo "FAIL: no Length list or name box"; exit 1; }
# The list's first row, "1 minut"; then a name typed over the proposal.
click_at $lengths
sleep 1
xdotool key Home Return
sleep 1
click_at $name_box
xdotool key ctrl+a
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
xdotool type --delay 20 "$(winpath "$home/saved")"
xdotool key Return
saved="$home/saved.wav"
for _ in $(seq 60); do [ -f "$saved" ] && break; sleep 1; done
[ -f "$saved" ] || { echo "FAIL: $saved did not appear"; ls -la "$home"; exit 1; }
sleep 1
[ "$(stat -c %s "$saved")" = 10584044 ] || { echo "FAIL: $saved is $(stat -c %s "$saved") bytes, not one minute"; exit 1; }
ls "$home" | grep -q '\.tmp$' && { echo "FAIL: a temporary file was left"; exit 1; }
echo "== the saved minute"
$analyse "$saved" check 405.9697 426.9697 --pans 405.9697 426.9697 --tolerance 0.01

# --- The same command as the last item of the window's system menu ----------
wid=$main
click_at 400 100
xdotool key alt+space
sleep 1
xdotool key Up Return
wait_window "$dialog"
xdotool key Escape
for _ in $(seq 10); do xdotool search --onlyvisible --name "$dialog" >/dev/null 2>&1 || break; sleep 1; done
xdotool search --onlyvisible --name "$dialog" >/dev/null 2>&1 && { echo "FAIL: Esc left the dialog open"; exit 1; }
echo "ok   the system menu's last item opens the Save dialog"

# --- The command line: the same settings give the same bytes ----------------
"$wine_run" "$root" "$exe" /wav "$(winpath "$home/line.wav")" /minutes 1 >"$home/line.log" 2>&1 ||
  { cat "$home/line.log"; echo "FAIL: the command line did not write"; exit 1; }
cmp "$saved" "$home/line.wav" || { echo "FAIL: the command line wrote other samples"; exit 1; }
echo "ok   the command line wrote the same samples"
if "$wine_run" "$root" "$exe" /wav "$(winpath "$home/bad.wav")" /volume 5 >"$home/bad.log" 2>&1 ||
  ! grep -q 'Bad /volume value "5"' "$home/bad.log" || [ -e "$home/bad.wav" ]; then
  cat "$home/bad.log"; echo "FAIL: a bad /volume was not refused by name"; exit 1
fi
echo "ok   a bad value names itself and writes nothing"

# --- The keyboard: the hidden bars stay out of its reach --------------------
# Every Tab stop, both ways, gets the arrows and End (End takes the slider to
# 30, so the rates the program itself sets are known: left 13397, right
# 14380). The bars below the client area (top 431 and lower) must be no Tab
# stops and hold exactly what the program gave them.
sweep() {
  for _ in $(seq 12); do xdotool key --delay 30 Tab Right Down End; done
  for _ in $(seq 12); do xdotool key --delay 30 shift+Tab Left Up End; done
  sleep 1
  read_tree
  grep -F 'class="ScrollBar"' "$tree" | awk -F'rect=' '{ split($2, r, ","); if (r[2] >= 431) print }' |
    sed -n 's/.*tabstop=\([01]\).* pos=\([-0-9]*\).*/\1 \2/p' | tr '\n' ' ' >"$home/bars.txt"
  [ "$(cat "$home/bars.txt")" = "0 13397 0 14380 0 -10000 0 10000 " ] ||
    { cat "$tree"; echo "FAIL: $1: hidden bars (tab stop, value) are $(cat "$home/bars.txt")"; exit 1; }
  echo "ok   $1: the keys left the hidden bars alone"
}
wid=$main
click_at 400 100
sweep "stopped"
click_at 80 372
sleep 1
click_at 400 100
sweep "playing"

# The names follow the language: English from the language box.
click_at 600 234
xdotool key --delay 100 alt+Down Home Return
sleep 1
check_names <<'NAMES'
LumetraPainted|Close
LumetraPainted|Minimize
LumetraPainted|Beat indicator
ListBox|Chose a mental state and press Start:
msctls_trackbar32|You can chose a item from the list, or you can set the frequency manually
ComboBox|Language
ScrollBar|Volume
NAMES
