#!/usr/bin/env bash
# Installs what is needed, builds the native, win64 and win32 presets and runs
# every test: native unit tests (with AddressSanitizer and UBSan), the Windows
# tests and end-to-end checks of each Windows build under Wine (x64 in a
# 64-bit prefix, x86 in a 32-bit one, side by side on private Xvfb displays),
# the Windows 7 import check, and a short fuzz.
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
# A build folder configured before the x86 suite ran here kept it switched off.
must cmake --preset win32 -DLUMETRA_CAN_RUN_TESTS=ON >/dev/null
must cmake --build build/win32 -j "$jobs"

status=0
logs=build/test-logs
mkdir -p "$logs"
rm -f "$logs"/win32.txt
# Every shipped program stays within 512 KB, in both Windows builds.
echo "== shipped program sizes (limit 524,288 bytes)"
bash scripts/program-sizes.sh build/win64 build/win32 || status=1
echo "== imports that Windows 7 SP1 lacks (list: scripts/windows7-missing.txt)"
bash scripts/check-imports.sh build/win64 build/win32 || status=1
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs" 2>&1 | tee "$logs/native.txt" || status=1

# The x86 suite needs a kernel that runs 32-bit programs (IA32 emulation);
# without it the x64 suite runs on Wine's 64-bit loader alone.
source scripts/wine-env.sh
win32_skipped=
if [[ $wine32_runs == no ]]; then
  win32_skipped="this kernel cannot run 32-bit programs (no IA32 emulation), so the x86 suite did not run"
  echo "win32: skipped: $win32_skipped"
fi
# One Windows suite on a private display of its own; output in its log.
windows_suite() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    ctest --test-dir "build/$1" --output-on-failure -j "$jobs" >"$logs/$1.txt" 2>&1
}
suites="win64 and win32 side by side"
[[ -z $win32_skipped ]] || suites="win64 alone"
echo "== Windows tests under Wine: $suites (logs in $logs)"
suites_start=$(date +%s)
windows_suite win64 & win64_pid=$!
if [[ -z $win32_skipped ]]; then
  sleep 5  # xvfb-run -a picks the first free display: the first one's is taken by now
  windows_suite win32 & win32_pid=$!
  wait "$win32_pid" || status=1
fi
wait "$win64_pid" || status=1
cat "$logs/win64.txt"; [[ -n $win32_skipped ]] || cat "$logs/win32.txt"
echo "== Windows suites took $(( $(date +%s) - suites_start )) s"

if [[ -x scripts/fuzz.sh ]]; then
  echo "== fuzzing (short run)"
  bash scripts/fuzz.sh 60 || status=1
fi

# The closing lines, from CTest's own summaries: one a suite, then the total.
summary() { sed -n 's/.*tests passed, \([0-9]*\) tests\? failed out of \([0-9]*\).*/\1 \2/p' "$1" | tail -1; }
passed=0 failed=0 skipped=0 each=()
for preset in native win64 win32; do
  if [[ $preset == win32 && -n $win32_skipped ]]; then
    skipped=$(ctest --test-dir build/win32 -N | sed -n 's/^Total Tests: //p')
    each+=("win32 ${skipped} skipped"); continue
  fi
  read -r f total <<<"$(summary "$logs/$preset.txt")" || true
  if [[ -z "${total:-}" ]]; then status=1; echo "$preset: no CTest summary"; each+=("$preset no summary"); continue; fi
  echo "$preset: $((total - f)) of $total tests passed"
  each+=("$preset $((total - f))/$f")
  passed=$((passed + total - f)); failed=$((failed + f))
  total=
done
echo "== all tests took $(( $(date +%s) - start )) s"
echo "By suite (passed/failed): $(IFS=,; echo "${each[*]}" | sed 's/,/, /g')"
# The last line alone, in the form CI reads.
echo "Tests: $passed passed, $failed failed${win32_skipped:+, $skipped skipped}"
exit $status
