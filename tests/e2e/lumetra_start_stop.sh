#!/bin/sh
# Corvane Lumetra.exe as a person uses it: the window opens, Start is clicked
# at its place on the screen, both tones of the first preset sound (each in
# its own channel); Stop is clicked and the sound falls silent.
# Usage: lumetra_start_stop.sh WINE_RUN WINE_ROOT EXE HOME
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 exe=$3 home=$4
wav="$home/recording.wav"
analyse="/usr/bin/python3 $here/../win/tones_in_wav.py"
sh "$here/../win/record_home.sh" "$home"

export LUMETRA_TEST_HOME="$home"
start_program "$exe" "$home/program.log"
trap stop_program EXIT
wait_window "Corvane Lumetra" || { cat "$home/program.log"; exit 1; }
sleep 2

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
