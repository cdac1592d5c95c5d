#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Idempotent: when
# everything is present it changes nothing. The x86 programs run under
# Debian's 32-bit Wine (wine32:i386, with the i386 ALSA library that records
# their sound), so the i386 architecture is added first. Wine draws the
# windows' "MS Sans Serif" in Liberation Sans, which the windows are laid out
# for: without fonts-liberation it falls back to a wider font and captions
# overflow their controls. ccache only speeds up rebuilds.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 wine32:i386 libasound2:i386 fonts-liberation fonts-wine
  xvfb xauth xdotool imagemagick liblnk-utils python3-numpy sox time
  clang libclang-rt-14-dev ccache
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  echo "bootstrap: all ${#packages[@]} packages present"
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "bootstrap: adding the i386 architecture (for wine32)"
  "${sudo[@]}" dpkg --add-architecture i386
fi
echo "bootstrap: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "bootstrap: done"
