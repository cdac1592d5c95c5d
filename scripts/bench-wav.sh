#!/usr/bin/env bash
# Writing a session as a WAV file against sox synthesising the same two sines
# into a file, in the same run: time and peak memory, reported as ratios. The
# program is the real "Corvane Lumetra.exe" on its command line, under Wine in
# a private prefix; the idle program (started, refusing a bad switch, ending)
# is the memory baseline. Not a test: it asserts nothing and is not run by CI.
#   scripts/bench-wav.sh [--minutes N] [--runs N] [--exe PATH]
# Defaults: 60 minutes, best of 1 run, the win64 build (made when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
minutes=60 runs=1 exe=
while (($#)); do
  case $1 in
    --minutes) minutes=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --exe) exe=$2; shift 2 ;;
    *) echo "usage: $0 [--minutes N] [--runs N] [--exe PATH]" >&2; exit 2 ;;
  esac
done
if [[ -z $exe ]]; then
  cmake --preset win64 >/dev/null
  cmake --build build/win64 -j2 --target lumetra >/dev/null
  exe="build/win64/bin/Corvane Lumetra.exe"
fi
exe=$(realpath "$exe")
work=$(mktemp -d /tmp/wav-bench.XXXXXX)
sh cmake/wine-prefix.sh "$work/wine" >/dev/null
export WINEPREFIX="$work/wine/prefix" HOME="$work/wine/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One server for every run, so that no run pays for starting it.
wineserver -p
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# Runs a command `runs` times (after removing its output and syncing the
# disk); prints the best wall-clock seconds and that run's peak memory in KB.
measure() {
  local out=$1; shift
  local best= kb=
  for ((i = 0; i < runs; i++)); do
    rm -f "$out"
    sync
    /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>&1 || true
    read -r s m < <(tail -n 1 "$work/time.txt")
    if [[ -z $best ]] || awk -v a="$s" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$s kb=$m; fi
  done
  echo "$best $kb"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

# "Attention focusing" at the volume bar's first setting, as sox writes it.
left=$(awk 'BEGIN { printf "%.6f", 13397 / 33 }') right=$(awk 'BEGIN { printf "%.6f", 14090 / 33 }')
seconds=$((minutes * 60))
echo "program: $exe"
echo "writing $minutes minutes (${left} Hz left, ${right} Hz right, -28 dB) into $work, best of $runs"

# The first start of a prefix loads and caches what every later one reuses.
wine "$exe" /wav "$(winpath "$work/none.wav")" /minutes 0 >/dev/null 2>&1 || true
read -r idle_s idle_kb < <(measure "$work/none.wav" wine "$exe" /wav "$(winpath "$work/none.wav")" /minutes 0)
read -r short_s short_kb < <(measure "$work/short.wav" wine "$exe" /wav "$(winpath "$work/short.wav")" /minutes 1 /preset 1)
read -r ours_s ours_kb < <(measure "$work/ours.wav" wine "$exe" /wav "$(winpath "$work/ours.wav")" /minutes "$minutes" /preset 1)
ours_bytes=$(stat -c %s "$work/ours.wav" 2>/dev/null || echo 0)
rm -f "$work/ours.wav"
read -r sox_s sox_kb < <(measure "$work/sox.wav" sox -n -r 44100 -b 16 -c 2 "$work/sox.wav" synth "$seconds" sine "$left" sine "$right" vol -28dB)
sox_bytes=$(stat -c %s "$work/sox.wav" 2>/dev/null || echo 0)

printf '%-36s %8s s  %8s KB peak\n' "idle program (a bad switch)" "$idle_s" "$idle_kb"
printf '%-36s %8s s  %8s KB peak\n' "Lumetra, 1 minute" "$short_s" "$short_kb"
printf '%-36s %8s s  %8s KB peak  %s bytes\n' "Lumetra, $minutes minutes" "$ours_s" "$ours_kb" "$ours_bytes"
printf '%-36s %8s s  %8s KB peak  %s bytes\n' "sox, $minutes minutes" "$sox_s" "$sox_kb" "$sox_bytes"
echo
echo "time: Lumetra / sox = $(ratio "$ours_s" "$sox_s") (aim: at most 1)"
echo "peak memory above the idle program: $(( (ours_kb - idle_kb) / 1024 )) MB for $minutes minutes," \
  "$(( (short_kb - idle_kb) / 1024 )) MB for 1 minute (aim: at most 16 MB)"
