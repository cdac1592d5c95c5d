#!/bin/sh
# Plays the first preset through real DirectSound under Wine with the pans
# applied (Start, Stop, Start, close picture), records the mix and checks
# both tones, their channels, and that neither Stop nor the close picture
# ends them with a click.
# Usage: sound_recording_test.sh WINE_RUN WINE_ROOT RECORD_EXE HOME
set -eu
here=$(dirname "$0")
wine_run=$1 root=$2 exe=$3 home=$4
sh "$here/record_home.sh" "$home"
LUMETRA_TEST_HOME="$home" "$wine_run" "$root" "$exe" 4000
# 13397 / 33 ("Left:", buffer 0) in the left channel only and 14090 / 33
# ("Right:", buffer 1) in the right channel only.
/usr/bin/python3 "$here/tones_in_wav.py" "$home/recording.wav" check 405.9697 426.9697 --pans 405.9697 426.9697
/usr/bin/python3 "$here/tones_in_wav.py" "$home/recording.wav" clicks 2
