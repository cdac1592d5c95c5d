#!/bin/sh
# Makes a fresh test home whose ALSA default device records everything that is
# played into HOME/recording.wav (S16, 48000 Hz, stereo; the null device paces
# nothing, so the file holds what was mixed, not a real-time amount).
# Usage: record_home.sh HOME
set -eu
home=$1
rm -rf "$home"
mkdir -p "$home/Desktop"
cat > "$home/.asoundrc" <<ASOUND
pcm.!default {
  type plug
  slave {
    pcm "recorder"
    format S16_LE
    rate 48000
    channels 2
  }
}
pcm.recorder {
  type file
  slave { pcm "null" }
  file "$home/recording.wav"
  format "wav"
}
ASOUND
