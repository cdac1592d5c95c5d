#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Idempotent: when
# everything is present it changes nothing. Never adds the i386 architecture
# or wine32 (32-bit Windows builds are compiled here, not run). Wine draws the
# windows' "MS Sans Serif" in Liberation Sans, which the windows are laid out
# for: without fonts-liberation it falls back to a wider font and captions
# overflow their controls.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 fonts-liberation fonts-wine
  xvfb xauth xdotool imagemagick liblnk-utils python3-numpy sox time
  clang libclang-rt-14-dev
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
echo "bootstrap: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "bootstrap: done"
