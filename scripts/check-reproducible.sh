#!/usr/bin/env bash
# Builds a Windows preset's shipped files twice, from clean, in two build
# folders of different paths, and compares them byte for byte: the three
# programs, Setup.exe as shipped and Data.set. Prints each file's size and
# SHA-256; exits 1 when any file differs or is missing.
# Usage: scripts/check-reproducible.sh [PRESET] [FIRST_BUILD_DIR]
#   PRESET: win64 (default) or win32. FIRST_BUILD_DIR: an existing build of
#   that preset to compare with instead of building a first one.
set -uo pipefail
cd "$(dirname "$0")/.."
preset=${1:-win64}
first=${2:-}
work=build/reproducible-$preset
rm -rf "$work"
build() {
  cmake --preset "$preset" -B "$1" -DLUMETRA_BUILD_TESTS=OFF >/dev/null &&
    cmake --build "$1" -j2 --target dist >/dev/null
}
if [[ -z $first ]]; then
  first=$work/first
  build "$first" || { echo "check-reproducible: the first build failed" >&2; exit 1; }
fi
second=$work/second-build-in-another-folder
build "$second" || { echo "check-reproducible: the second build failed" >&2; exit 1; }

status=0
for file in "bin/Corvane Lumetra.exe" bin/Setup.exe bin/Uninstall.exe dist/Setup.exe dist/Data.set; do
  if cmp -s "$first/$file" "$second/$file"; then
    printf 'same    %-24s %9d bytes  %s\n' "$file" "$(stat -c %s "$first/$file")" \
      "$(sha256sum <"$first/$file" | cut -c1-16)"
  else
    printf 'DIFFERS %s (%s, %s)\n' "$file" "$first/$file" "$second/$file" >&2
    status=1
  fi
done
exit $status
