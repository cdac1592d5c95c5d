#!/usr/bin/env bash
# Installs what is needed, builds the Windows x64 programs and starts
# "Corvane Lumetra.exe" under Wine. Without an X display it runs on a private
# Xvfb server and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build build/win64 -j "$(nproc)"

exe="build/win64/bin/Corvane Lumetra.exe"
if [[ ! -f "$exe" ]]; then
  echo "run: $exe was not built" >&2
  exit 1
fi
source scripts/wine-env.sh
own_prefix=$PWD/build/run-prefix
export WINEPREFIX="${WINEPREFIX:-$own_prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix made before wine32 was installed no longer starts ("could not
# load kernel32.dll"): its syswow64 folder is empty. Such a prefix is made
# again when it is this script's own; a prefix the user named is theirs to
# keep. A 32-bit prefix has no syswow64 folder at all, and where 32-bit
# programs cannot run, every 64-bit prefix has an empty one.
wow64="$WINEPREFIX/drive_c/windows/syswow64"
if [[ $wine32_runs == yes && -d "$wow64" && ! -f "$wow64/kernel32.dll" ]]; then
  if [[ $WINEPREFIX != "$own_prefix" ]]; then
    echo "run: $WINEPREFIX was made before 32-bit Wine was installed and no longer starts; make it again or unset WINEPREFIX" >&2
    exit 1
  fi
  echo "run: $WINEPREFIX was made without 32-bit Wine; making it again"
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
if [[ ! -d "$WINEPREFIX" ]]; then
  echo "run: preparing a Wine prefix in $WINEPREFIX (once)"
  wineboot -i >/dev/null 2>&1
fi
if [[ -z "${DISPLAY:-}" ]]; then
  echo "run: no X display (DISPLAY is unset), so the window opens on a private Xvfb server"
  echo "     where nobody can see it. To see it, run this from a desktop session or set DISPLAY."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe"
fi
exec wine "$exe"
