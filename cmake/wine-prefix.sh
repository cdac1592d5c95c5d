#!/bin/sh
# Prepares a fresh private Wine prefix and test home for one test run.
# Usage: wine-prefix.sh WINE_ROOT
set -eu
root=$1
if [ -d "$root/prefix" ]; then
  WINEPREFIX="$root/prefix" wineserver -k 2>/dev/null || true
fi
rm -rf "$root"
mkdir -p "$root/home/Desktop"
export WINEPREFIX="$root/prefix" HOME="$root/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || { echo "wineboot failed for $WINEPREFIX" >&2; exit 1; }
wineserver -w
echo "Wine prefix ready: $WINEPREFIX"
