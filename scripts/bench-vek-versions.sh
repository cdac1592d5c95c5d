#!/usr/bin/env bash
# Two builds of vek on the same archive in the same run: extract-all of N
# small entries (1 to 4 KB) with each, alternating, best of 10 each, with
# cp -r of the same files as the yardstick. Not a test: it asserts nothing.
#   scripts/bench-vek-versions.sh BASELINE_VEK NEW_VEK [N]
# For example, against the commit before a change:
#   git archive HEAD~1 | tar -x -C build/base-src
#   cmake -S build/base-src --preset native -B build/base-src/build -DLUMETRA_SANITIZE=OFF \
#     -DLUMETRA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release && cmake --build build/base-src/build --target vek
set -euo pipefail
base=$(realpath "$1") new=$(realpath "$2") n=${3:-5000}
work=$(mktemp -d /tmp/vek-versions.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir src
python3 - "$n" <<'PY'
import os, sys
for i in range(int(sys.argv[1])):
    with open(f"src/f{i:06d}.dat", "wb") as f:
        f.write(os.urandom(1024 + (i * 37) % 3072))
PY
for f in src/*; do "$base" add a.set "$f"; done

# Nanoseconds of one run into an empty folder, after earlier writes reached the disk.
once() { rm -rf out; mkdir out; sync; local t0; t0=$(date +%s%N); "$@" >/dev/null; echo $(( $(date +%s%N) - t0 )); }
tb= tn= tc=
for _ in $(seq 10); do
  t=$(once "$base" extract-all a.set out); [[ -z $tb || $t -lt $tb ]] && tb=$t
  t=$(once "$new" extract-all a.set out); [[ -z $tn || $t -lt $tn ]] && tn=$t
  t=$(once cp -r src/. out); [[ -z $tc || $t -lt $tc ]] && tc=$t
done
once "$new" extract-all a.set out >/dev/null
diff -r src out >/dev/null || { echo "the new vek extracted something else" >&2; exit 1; }
awk -v b="$tb" -v n="$tn" -v c="$tc" -v k="$n" 'BEGIN {
  printf "extract-all, %d entries: baseline %.3f s, new %.3f s, cp -r %.3f s\n", k, b / 1e9, n / 1e9, c / 1e9
  printf "new/baseline %.3f   baseline/cp %.2f   new/cp %.2f\n", n / b, b / c, n / c }'
