#!/bin/sh
# vek.exe (under Wine) and the native vek make byte-identical packages of the
# same files, and each lists and extracts what the other made.
# Usage: vek_cross_check.sh NATIVE_VEK VEK_EXE WINE_RUN WINE_ROOT WORK_DIR
# Exits 77 (skipped) when the native vek has not been built.
set -eu
native=$1 exe=$2 wine_run=$3 wine_root=$4 work=$5

if [ ! -x "$native" ]; then
  echo "SKIP: no native vek at $native (build the native preset first, or set LUMETRA_NATIVE_VEK)"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work/files" "$work/out-native" "$work/out-windows"
cd "$work"
winvek() { "$wine_run" "$wine_root" "$exe" "$@"; }
fail() { echo "FAIL: $*"; exit 1; }

printf 'abc' > files/a.txt
: > files/empty
head -c 2000001 /dev/urandom > files/chunked.bin
printf 'spaces and CASE' > "files/Name With Spaces.TXT"

for f in a.txt empty chunked.bin "Name With Spaces.TXT"; do
  "$native" add native.set "files/$f" || fail "native add $f"
  winvek add windows.set "files/$f" || fail "vek.exe add $f"
done
cmp native.set windows.set || fail "the two packages differ"
printf '%s\000%s\000%s' a.txt 3 abc > first-entry.bin
head -c 11 native.set | cmp - first-entry.bin || fail "the first entry is not name, 0, size, 0, data"

"$native" list windows.set > list-native.txt || fail "native list of vek.exe's package"
winvek list native.set | tr -d '\r' > list-windows.txt || fail "vek.exe list of native package"
cmp list-native.txt list-windows.txt || fail "listings differ"
[ "$(wc -l < list-native.txt)" -eq 4 ] || fail "expected 4 entries"

"$native" extract-all windows.set out-native || fail "native extract-all"
winvek extract-all native.set out-windows || fail "vek.exe extract-all"
diff -r files out-native || fail "native extraction differs from the files"
diff -r files out-windows || fail "vek.exe extraction differs from the files"

# Extracting onto an existing, longer file replaces it whole.
head -c 5000 /dev/urandom > longer.bin
winvek extract native.set A.TXT longer.bin || fail "vek.exe extract onto an existing file"
cmp files/a.txt longer.bin || fail "extract onto an existing file left other bytes"

# Failures exit non-zero with a message naming the file.
if winvek list missing.set 2> err.txt; then fail "vek.exe list of a missing archive succeeded"; fi
grep -q "missing.set" err.txt || fail "no message naming the missing archive"
if winvek extract native.set "..\\a.txt" escaped.txt; then fail "vek.exe extracted an unsafe name"; fi
[ ! -e escaped.txt ] || fail "an unsafe name was written"

# Paths that are not plain ASCII reach the file system intact (the archive
# name and the folder; the entry name is kept as the bytes it was given).
mkdir -p "Setări"
winvek add "Setări/pachet.set" files/a.txt || fail "vek.exe add into a folder named Setări"
winvek extract "Setări/pachet.set" a.txt "Setări/a.txt" || fail "vek.exe extract inside Setări"
cmp files/a.txt "Setări/a.txt" || fail "the round trip through Setări changed the data"

echo "vek.exe and native vek agree on $(wc -c < native.set) bytes"
