#!/usr/bin/env bash
# Installs what is needed, builds the native, win64 and win32 presets and runs
# every test: native unit tests (with AddressSanitizer and UBSan), Windows tests
# and end-to-end checks under Wine on a private Xvfb display, and a short fuzz.
set -uo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

must() { "$@" || { echo "test.sh: failed: $*" >&2; exit 1; }; }

must bash scripts/bootstrap.sh

jobs=$(nproc)
# Each Windows build makes the host vek it packages Data.set with itself.
must cmake --preset native -DLUMETRA_SANITIZE=ON >/dev/null
must cmake --build build/native -j "$jobs"
must cmake --preset win64 >/dev/null
must cmake --build build/win64 -j "$jobs"
must cmake --preset win32 >/dev/null
must cmake --build build/win32 -j "$jobs"
echo "win32: built $(ls build/win32/bin/*.exe 2>/dev/null | wc -l) programs (compiled and linked only: no 32-bit Wine here)"

status=0
logs=build/test-logs
mkdir -p "$logs"
# Every shipped program stays within 512 KB, in both Windows builds.
echo "== shipped program sizes (limit 524,288 bytes)"
bash scripts/program-sizes.sh build/win64 build/win32 || status=1
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs" 2>&1 | tee "$logs/native.txt" || status=1
echo "== Windows tests under Wine (private Xvfb display)"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  ctest --test-dir build/win64 --output-on-failure -j "$jobs" 2>&1 | tee "$logs/win64.txt" || status=1

if [[ -x scripts/fuzz.sh ]]; then
  echo "== fuzzing (short run)"
  bash scripts/fuzz.sh 60 || status=1
fi

# One closing line for the whole run, from CTest's own summaries.
summary() { sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -1; }
passed=0 failed=0
for preset in native win64; do
  read -r f total <<<"$(summary "$logs/$preset.txt")" || true
  if [[ -z "${total:-}" ]]; then status=1; echo "$preset: no CTest summary"; continue; fi
  echo "$preset: $((total - f)) of $total tests passed"
  passed=$((passed + total - f)); failed=$((failed + f))
done
echo "== all tests took $(( $(date +%s) - start )) s"
echo "Tests: $passed passed, $failed failed"
exit $status
