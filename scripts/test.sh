#!/usr/bin/env bash
# Installs what is needed, builds the native, win64 and win32 presets and runs
# every test: native unit tests (with AddressSanitizer and UBSan), Windows tests
# and end-to-end checks under Wine on a private Xvfb display, and a short fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

bash scripts/bootstrap.sh

jobs=$(nproc)
cmake --preset native -DLUMETRA_SANITIZE=ON >/dev/null
cmake --build build/native -j "$jobs"
cmake --preset win64 >/dev/null
cmake --build build/win64 -j "$jobs"
cmake --preset win32 >/dev/null
cmake --build build/win32 -j "$jobs"
echo "win32: built $(ls build/win32/bin/*.exe 2>/dev/null | wc -l) programs (compiled and linked only: no 32-bit Wine here)"

status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs" || status=1
echo "== Windows tests under Wine (private Xvfb display)"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  ctest --test-dir build/win64 --output-on-failure -j "$jobs" || status=1

if [[ -x scripts/fuzz.sh ]]; then
  echo "== fuzzing (short run)"
  bash scripts/fuzz.sh 60 || status=1
fi

echo "== all tests took $(( $(date +%s) - start )) s; status $status"
exit $status
