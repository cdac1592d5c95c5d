#!/usr/bin/env bash
# Archive throughput against cp and tar on the same data, in a scratch folder
# under /tmp, reported as ratios from the same run. Not a test: it asserts
# nothing and is not run by CI.
#   scripts/bench-archive.sh [--big-mb N] [--small N] [--list N] [--vek PATH]
# Defaults: a 1024 MB file, 10,000 small files, a 100,000-entry listing, and
# a native vek built for speed into build/bench (no sanitizers).
set -euo pipefail
cd "$(dirname "$0")/.."
big_mb=1024 small=10000 list_n=100000 vek=
while (($#)); do
  case $1 in
    --big-mb) big_mb=$2; shift 2 ;;
    --small) small=$2; shift 2 ;;
    --list) list_n=$2; shift 2 ;;
    --vek) vek=$2; shift 2 ;;
    *) echo "usage: $0 [--big-mb N] [--small N] [--list N] [--vek PATH]" >&2; exit 2 ;;
  esac
done
if [[ -z $vek ]]; then
  cmake --preset native -B build/bench -DLUMETRA_SANITIZE=OFF -DLUMETRA_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/bench -j2 --target vek >/dev/null
  vek=build/bench/bin/vek
fi
vek=$(realpath "$vek")
work=$(mktemp -d /tmp/vek-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Seconds taken by a command, best of `runs` (each run after `reset`).
seconds() {
  local runs=$1 reset=$2; shift 2
  local best=
  for ((i = 0; i < runs; i++)); do
    eval "$reset"
    # Earlier writes still on their way to the disk would slow whichever
    # command happens to run next.
    sync
    local t0 t1
    t0=$(date +%s%N)
    eval "$*" >/dev/null
    t1=$(date +%s%N)
    local t=$(( t1 - t0 ))
    if [[ -z $best || $t -lt $best ]]; then best=$t; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }'
}
# The same for two commands taken in turns (A, B, B, A, ...), so that neither
# always runs first after the other's writes: prints "A B".
paired_seconds() {
  local runs=$1 reset_a=$2 cmd_a=$3 reset_b=$4 cmd_b=$5 a b
  local best_a= best_b=
  for ((p = 0; p < runs; p++)); do
    if ((p % 2)); then b=$(seconds 1 "$reset_b" "$cmd_b"); a=$(seconds 1 "$reset_a" "$cmd_a")
    else a=$(seconds 1 "$reset_a" "$cmd_a"); b=$(seconds 1 "$reset_b" "$cmd_b"); fi
    best_a=$(awk -v x="$a" -v y="$best_a" 'BEGIN { print (y == "" || x < y) ? x : y }')
    best_b=$(awk -v x="$b" -v y="$best_b" 'BEGIN { print (y == "" || x < y) ? x : y }')
  done
  echo "$best_a $best_b"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
row() { printf '%-34s %9s s   cp %9s s   tar %9s s   vek/cp %5s   vek/tar %5s\n' "$1" "$2" "$3" "$4" "$(ratio "$2" "$3")" "$(ratio "$2" "$4")"; }

echo "vek: $vek"
echo "data: ${big_mb} MB file, $small small files, $list_n-entry listing (scratch: $work)"
echo "times are best of 3 (a big file's extraction: best of 6, in turns with cp); vek/cp above 1 means vek is slower"
echo

# One big file.
head -c $((big_mb * 1024 * 1024)) /dev/urandom > big.bin
mkdir -p bigx
a=$(seconds 3 'rm -f big.set' "$vek" add big.set big.bin)
c=$(seconds 3 'rm -f big.copy' cp big.bin big.copy)
t=$(seconds 3 'rm -f big.tar' tar -cf big.tar big.bin)
row "add ${big_mb} MB file" "$a" "$c" "$t"
read -r a c < <(paired_seconds 6 'rm -f big.out' '"$vek" extract big.set big.bin big.out' 'rm -f big.copy' 'cp big.bin big.copy')
t=$(seconds 3 'rm -rf bigx/*' tar -xf big.tar -C bigx)
row "extract ${big_mb} MB file" "$a" "$c" "$t"
cmp big.bin big.out
extract_big_ratio=$(ratio "$c" "$a")
rm -rf big.bin big.set big.copy big.tar big.out bigx

# Many small files (1 to 4 KB): vek adds one file per run, so cp copies one
# file per run too; tar packs them all in one run.
mkdir -p small
python3 - "$small" <<'PY'
import os, sys
n = int(sys.argv[1])
for i in range(n):
    with open(f"small/f{i:06d}.dat", "wb") as f:
        f.write(os.urandom(1024 + (i * 37) % 3072))
PY
a=$(seconds 1 'rm -f small.set' 'for f in small/*; do "$vek" add small.set "$f"; done')
c=$(seconds 1 'rm -rf smallc; mkdir smallc' 'for f in small/*; do cp "$f" smallc/; done')
t=$(seconds 1 'rm -f small.tar' tar -cf small.tar small)
row "add $small small files" "$a" "$c" "$t"
a=$(seconds 3 'rm -rf smallx; mkdir smallx' "$vek" extract-all small.set smallx)
c=$(seconds 3 'rm -rf smallc' cp -r small smallc)
t=$(seconds 3 'rm -rf smallt; mkdir smallt' tar -xf small.tar -C smallt)
row "extract-all $small small files" "$a" "$c" "$t"
diff -r small smallx
extract_small_ratio=$(ratio "$c" "$a")
rm -rf small small.set smallc smallx smallt small.tar

# Listing a large archive: the same names and sizes in both formats.
python3 - "$list_n" <<'PY'
import io, sys, tarfile
n = int(sys.argv[1])
with open("many.set", "wb") as vek, tarfile.open("many.tar", "w", format=tarfile.GNU_FORMAT) as tar:
    for i in range(n):
        name, data = f"entry{i:07d}.dat", bytes(i % 64)
        vek.write(name.encode() + b"\0" + str(len(data)).encode() + b"\0" + data)
        info = tarfile.TarInfo(name); info.size = len(data)
        tar.addfile(info, io.BytesIO(data))
PY
a=$(seconds 3 : "$vek" list many.set)
t=$(seconds 3 : tar -tf many.tar)
printf '%-34s %9s s   %17s   tar %9s s   %14s   vek/tar %5s\n' "list $list_n entries" "$a" "" "$t" "" "$(ratio "$a" "$t")"
[[ $("$vek" list many.set | wc -l) -eq $list_n ]]
list_ratio=$(ratio "$a" "$t")

echo
echo "extraction throughput vs cp: ${extract_big_ratio} (big file, target at least 0.95), ${extract_small_ratio} (small files, target at least 0.80)"
echo "listing time vs tar -tf: ${list_ratio}; target at most 2.00"
