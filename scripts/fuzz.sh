#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build/fuzz
# and runs each for SECONDS (default 60) from its seed corpus in
# fuzz/corpus/<target>. Exits 0 when no target found anything, non-zero on a
# finding (the crashing input is left in build/fuzz/findings/).
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(archive_fuzz settings_fuzz)

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j2 >/dev/null

# The targets write scratch files; a memory-backed folder keeps disk waits out.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

status=0
for target in "${targets[@]}"; do
  seeds=fuzz/corpus/${target%_fuzz}
  work=build/fuzz/corpus-run/${target%_fuzz}
  mkdir -p "$work" build/fuzz/findings
  echo "fuzz: $target for ${seconds} s (seeds: $seeds)"
  # A single allocation above 64 MB or more than 512 MB in all is a finding:
  # the archive code never holds more than one 1,000,000-byte buffer.
  if build/fuzz/$target "$work" "$seeds" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=512 -malloc_limit_mb=64 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix=build/fuzz/findings/ \
      >build/fuzz/$target.log 2>&1; then
    grep -E "^Done [0-9]+ runs|stat::number_of_executed_units" build/fuzz/$target.log | tail -2
  else
    status=1
    echo "fuzz: $target found a fault:" >&2
    grep -E "ERROR|SUMMARY|archive_fuzz:|Test unit written" build/fuzz/$target.log | head -20 >&2
  fi
done
exit $status
