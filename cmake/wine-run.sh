#!/bin/sh
# Runs one Windows program under Wine in the test run's private prefix.
# Usage: wine-run.sh WINE_ROOT PROGRAM [ARGS...]
# Without an X display the program runs on a private Xvfb server.
root=$1; shift
export WINEPREFIX="$root/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export HOME="${LUMETRA_TEST_HOME:-$root/home}"
if [ -z "$DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" wine "$@"
fi
exec wine "$@"
