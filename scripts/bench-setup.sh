#!/usr/bin/env bash
# Setup with the real package against Setup with a package of many entries, in
# the same run, under Wine on a private X display: the time from starting
# Setup.exe to its first page being visible, and a whole keyboard install
# (Enter, a new folder typed, Enter, then the time from that Enter to the
# completion window). Reported as ratios to the real package. Not a test: it
# asserts nothing and is not run by CI.
#   scripts/bench-setup.sh [--entries N] [--runs N] [--cap S] [--install-cap S] [--dist DIR] [--vek PATH]
# Defaults: 1000 entries; first pages best of 3 runs (installs: one each);
# 180 s before a first page is given up and 600 s before an install is
# (reported as "over S"); the win64 build's dist and host vek (made when
# missing). Run it at two sizes to see the install grow in step with them.
set -euo pipefail
self=$(realpath "$0")
entries=1000 runs=3 cap=180 install_cap=600 dist= vek=
while (($#)); do
  case $1 in
    --entries) entries=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --cap) cap=$2; shift 2 ;;
    --install-cap) install_cap=$2; shift 2 ;;
    --dist) dist=$2; shift 2 ;;
    --vek) vek=$2; shift 2 ;;
    *) echo "usage: $0 [--entries N] [--runs N] [--cap S] [--install-cap S] [--dist DIR] [--vek PATH]" >&2; exit 2 ;;
  esac
done
dist=${dist:+$(realpath "$dist")} vek=${vek:+$(realpath "$vek")}
cd "$(dirname "$self")/.."
source scripts/wine-env.sh
# The windows need a display: a private one at 96 DPI when there is none.
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash "$self" --entries "$entries" --runs "$runs" --cap "$cap" \
    --install-cap "$install_cap" \
    ${dist:+--dist "$dist"} ${vek:+--vek "$vek"}
fi
if [[ -z $dist || -z $vek ]]; then
  cmake --preset win64 >/dev/null
  cmake --build build/win64 -j2 --target dist >/dev/null
  dist=${dist:-build/win64/dist} vek=${vek:-build/win64/host-tools/bin/vek}
fi
dist=$(realpath "$dist") vek=$(realpath "$vek")
work=$(mktemp -d /tmp/setup-bench.XXXXXX)
sh cmake/wine-prefix.sh "$work/wine" >/dev/null
export WINEPREFIX="$work/wine/prefix" HOME="$work/wine/home" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One server for every run, so that no run pays for starting it.
wineserver -p
pid=
stop() {
  [[ -n $pid ]] || return 0
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}
trap 'stop; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
# Waits until a visible window titled $1 shows, polling every 50 ms, for at
# most $2 seconds; sets wid (empty when none came).
visible_within() {
  local until
  until=$(awk -v a="$(now)" -v c="$2" 'BEGIN { printf "%.2f", a + c }')
  wid=
  while awk -v a="$(now)" -v u="$until" 'BEGIN { exit !(a < u) }'; do
    wid=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [[ -n $wid ]] && return 0
    sleep 0.05
  done
  return 1
}

# The packages: the real one, and one of `entries` entries (its two programs
# and small fillers), made with the native vek.
mkdir -p "$work/real" "$work/many" "$work/files"
cp "$dist/Setup.exe" "$dist/Data.set" "$work/real/"
cp "$dist/Setup.exe" "$work/many/"
"$vek" extract-all "$dist/Data.set" "$work/files" >/dev/null
real_entries=$("$vek" list "$dist/Data.set" | wc -l)
for f in "$work/files"/*; do "$vek" add "$work/many/Data.set" "$f" >/dev/null; done
head -c 1024 /dev/urandom >"$work/filler"
for ((i = real_entries; i < entries; i++)); do
  "$vek" add "$work/many/Data.set" "$work/filler" "part$(printf %05d "$i").dat" >/dev/null
done
echo "Setup: $dist/Setup.exe; packages of $real_entries and $("$vek" list "$work/many/Data.set" | wc -l) entries;" \
  "best of $runs; first pages given up after $cap s, installs after $install_cap s"

# Starts Setup in $1 and sets took to the seconds until its first page
# shows ("over S" when it did not within $2 seconds, by default the cap);
# leaves Setup running on that page.
first_page() {
  local began limit=${2:-$cap}
  began=$(now)
  wine "$1/Setup.exe" >"$work/setup.log" 2>&1 &
  pid=$!
  if visible_within "Corvane Setup" "$limit"; then took=$(since "$began"); else took="over $limit"; fi
}

# Keeps in the variable named $1 the smaller of its value and $2 (a run
# given up counts as the slowest).
keep_best() {
  local -n best=$1
  if [[ $2 == over* ]]; then
    [[ -n $best ]] || best=$2
  elif [[ -z $best || $best == over* ]] || awk -v a="$2" -v b="$best" 'BEGIN { exit !(a < b) }'; then
    best=$2
  fi
}

# Sets real_first and many_first to the best first-page seconds of `runs`
# starts of each, taken in turns so that a busy moment of the machine falls
# on both alike.
measure_first_pages() {
  real_first= many_first=
  for ((r = 0; r < runs; r++)); do
    first_page "$work/real"; stop; keep_best real_first "$took"
    first_page "$work/many"; stop; keep_best many_first "$took"
  done
}

# A whole keyboard install from Setup in $1 into the Windows folder $2; sets
# took to the seconds from Enter on the folder page to the completion window.
measure_install() {
  local began
  first_page "$1" "$install_cap"
  [[ $took == over* ]] && { stop; return; }
  sleep 1
  # The keyboard to the window, as a click on its header strip gives it.
  xdotool mousemove --window "$wid" 200 12 click 1
  sleep 0.5
  xdotool key Return
  sleep 1
  # The folder box starts with its text selected: typing replaces it.
  xdotool type --delay 40 "$2"
  sleep 0.5
  began=$(now)
  xdotool key Return
  if visible_within "Install complete!" "$install_cap"; then
    took=$(since "$began")
    sleep 0.5
    xdotool mousemove --window "$wid" 200 12 click 1
    sleep 0.5
    xdotool key Return
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  else
    took="over $install_cap"
  fi
  stop
}

# The first start of a prefix loads and caches what every later one reuses.
first_page "$work/real"
stop
measure_first_pages
measure_install "$work/real" 'C:\Bench\Real'; real_install=$took
measure_install "$work/many" 'C:\Bench\Many'; many_install=$took
installed=$(find "$WINEPREFIX/drive_c/Bench/Many" -type f 2>/dev/null | wc -l)

# One line per measure: both times and their ratio ("-" when one gave up).
row() {
  local r=-
  [[ $2 == over* || $3 == over* ]] || r=$(ratio "$3" "$2")
  printf '%-34s %12s %14s %8s\n' "$1" "$2" "$3" "$r"
}
printf '%-34s %12s %14s %8s\n' "" "real" "$entries entries" "ratio"
row "first page shown (s)" "$real_first" "$many_first"
row "install, Enter to completion (s)" "$real_install" "$many_install"
echo "files in the $entries-entry install folder: $installed"
