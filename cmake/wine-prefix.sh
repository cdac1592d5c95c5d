#!/bin/sh
# Prepares a fresh private Wine prefix and test home for one test run.
# Usage: wine-prefix.sh WINE_ROOT [DPI]
# With DPI, the prefix's screen is set to that many dots per inch (Wine's
# LogPixels), as a user's display settings would; programs started there
# afterwards see it. WINEARCH=win32 makes a 32-bit Windows, win64 a 64-bit one;
# LUMETRA_WINE_VERSION=win7 (a winecfg -v name) makes Wine report that Windows.
set -eu
root=$1
dpi=${2:-}
if [ -d "$root/prefix" ]; then
  WINEPREFIX="$root/prefix" wineserver -k 2>/dev/null || true
fi
rm -rf "$root"
mkdir -p "$root/home/Desktop"
export WINEPREFIX="$root/prefix" HOME="$root/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || { echo "wineboot failed for $WINEPREFIX" >&2; exit 1; }
version=
if [ -n "${LUMETRA_WINE_VERSION:-}" ]; then
  wine winecfg -v "$LUMETRA_WINE_VERSION" >/dev/null 2>&1 && wineserver -w &&
    version=$(wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -o 'Windows [0-9.]*') ||
    { echo "winecfg -v $LUMETRA_WINE_VERSION failed in $WINEPREFIX" >&2; exit 1; }
fi
if [ -n "$dpi" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  hex=$(printf '0x%x' "$dpi")
  wine reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null | tr -d '\r' | grep -qi "REG_DWORD *$hex\$" ||
    { echo "LogPixels did not become $dpi in $WINEPREFIX" >&2; exit 1; }
fi
wineserver -w
echo "Wine prefix ready: $WINEPREFIX${dpi:+ at $dpi DPI}${version:+, reporting $version}"
