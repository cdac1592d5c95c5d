#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build/fuzz
# and runs each for SECONDS (default 60) from its seed corpus in
# fuzz/corpus/<target>. Exits 0 when no target found anything, non-zero on a
# finding (the crashing input is left in build/fuzz/findings/).
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]
#   TARGET: archive_fuzz, settings_fuzz (default: both, one after the other)
#   LUMETRA_FUZZ_TIMEOUT=S: seconds one input may take before it counts as a
#   hang (default 10); a long run at low priority on a busy machine can be
#   starved that long without any fault, so give it more there.
#   LUMETRA_FUZZ_LEAK_MB=N makes the archive target keep N MB more after every
#   run: a check that the limits below still catch a leak (it must fail).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(archive_fuzz settings_fuzz)

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j2 >/dev/null

# AddressSanitizer keeps freed memory out of use for a while to catch late
# uses; by default up to 256 MB of it, which the archive's 1,000,000-byte copy
# buffers fill within minutes and which counts towards the limit below. 32 MB
# still holds dozens of freed buffers, and leaves the limit to real growth.
export ASAN_OPTIONS="quarantine_size_mb=32:${ASAN_OPTIONS:-}"

status=0
for target in "${targets[@]}"; do
  seeds=fuzz/corpus/${target%_fuzz}
  work=build/fuzz/corpus-run/${target%_fuzz}
  mkdir -p "$work" build/fuzz/findings
  echo "fuzz: $target for ${seconds} s (seeds: $seeds)"
  # A single allocation above 64 MB or more than 512 MB in all is a finding:
  # the archive code never holds more than one 1,000,000-byte buffer, so
  # 1 MB kept per run trips this within a few hundred runs.
  if build/fuzz/$target "$work" "$seeds" \
      -max_total_time="$seconds" -timeout="${LUMETRA_FUZZ_TIMEOUT:-10}" -rss_limit_mb=512 -malloc_limit_mb=64 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix=build/fuzz/findings/ \
      >build/fuzz/$target.log 2>&1; then
    grep -E "^Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb" build/fuzz/$target.log | tail -3
  else
    status=1
    echo "fuzz: $target found a fault:" >&2
    grep -E "ERROR|SUMMARY|archive_fuzz:|Test unit written|out-of-memory" build/fuzz/$target.log | head -20 >&2
  fi
done
exit $status
