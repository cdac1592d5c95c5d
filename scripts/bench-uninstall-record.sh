#!/usr/bin/env bash
# A very silent uninstall of an installation whose install record is as
# Setup wrote it, against one whose record was grown by hand to N lines
# (files in the folder and elsewhere, folders below it, repeats), in the same
# run under Wine: the seconds from starting Uninstall.exe /VERYSILENT to its
# end, best of R runs each, taken in turns, and their ratio. Not a test: it
# asserts nothing and is not run by CI.
#   scripts/bench-uninstall-record.sh [--lines N] [--runs R] [--dist DIR]
# Defaults: 100000 lines, 3 runs, the win64 build's dist (made when missing).
set -euo pipefail
self=$(realpath "$0")
lines=100000 runs=3 dist=
while (($#)); do
  case $1 in
    --lines) lines=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --dist) dist=$(realpath "$2"); shift 2 ;;
    *) echo "usage: $0 [--lines N] [--runs R] [--dist DIR]" >&2; exit 2 ;;
  esac
done
cd "$(dirname "$self")/.."
source scripts/wine-env.sh
if [[ -z $dist ]]; then
  cmake --preset win64 >/dev/null
  cmake --build build/win64 -j2 --target dist >/dev/null
  dist=$(realpath build/win64/dist)
fi
work=$(mktemp -d /tmp/uninstall-bench.XXXXXX)
sh cmake/wine-prefix.sh "$work/wine" >/dev/null
export WINEPREFIX="$work/wine/prefix" HOME="$work/wine/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -p
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
drive_c="$WINEPREFIX/drive_c"
mkdir -p "$drive_c/Bench Setup"
cp "$dist/Setup.exe" "$dist/Data.set" "$drive_c/Bench Setup/"
now() { date +%s.%N; }

# The lines added to a record of the folder $1 (a Windows path).
grown_lines() {
  awk -v n="$lines" -v f="$1" 'BEGIN {
    for (i = 0; i < n; i++) {
      k = i % 4
      if (k == 0) printf "file\t%s\\part%06d.dat\r\n", f, i
      else if (k == 1) printf "file\tC:\\Elsewhere\\%d\\Uninstall.exe\r\n", i
      else if (k == 2) printf "folder\t%s\\sub%06d\r\n", f, i
      else printf "file\t%s\\Corvane Lumetra.exe\r\n", f
    }
  }'
}

# Installs silently into C:\Bench\$1, grows its record when $2 is "grown",
# and sets took to the seconds the very silent uninstall takes.
uninstall_time() {
  local folder="C:\\Bench\\$1" began
  wine "C:\\Bench Setup\\Setup.exe" /VERYSILENT /NOICONS "/DIR=$folder" >/dev/null 2>&1
  [[ $2 == grown ]] && grown_lines "$folder" >>"$drive_c/Bench/$1/Install record.txt"
  began=$(now)
  wine "$drive_c/Bench/$1/Uninstall.exe" /VERYSILENT >/dev/null 2>&1 || echo "uninstall of $1 exited $?" >&2
  took=$(awk -v a="$began" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }')
  for _ in $(seq 50); do [[ -e "$drive_c/Bench/$1" ]] || break; sleep 0.1; done
}

best() { printf '%s\n' "$@" | sort -g | head -n 1; }
uninstall_time Warm plain  # the first start of a prefix loads what later ones reuse
plain=() grown=()
for ((r = 0; r < runs; r++)); do
  uninstall_time Plain plain; plain+=("$took")
  uninstall_time Grown grown; grown+=("$took")
done
p=$(best "${plain[@]}") g=$(best "${grown[@]}")
size=$(grown_lines 'C:\Bench\Grown' | wc -c)
printf '%-44s %8s %14s %8s\n' "" "plain" "$lines lines" "ratio"
printf '%-44s %8s %14s %8s\n' "silent uninstall, start to end (s), best of $runs" "$p" "$g" \
  "$(awk -v a="$g" -v b="$p" 'BEGIN { printf "%.2f", a / b }')"
echo "the grown record: $((size / 1024)) KB added; every run: plain ${plain[*]}, grown ${grown[*]}"
