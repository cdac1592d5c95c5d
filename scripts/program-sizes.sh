#!/usr/bin/env bash
# Prints the size of every shipped program of the given Windows build folders
# and fails when one is missing or larger than 512 KB (524,288 bytes).
# Usage: scripts/program-sizes.sh BUILD_DIR... (e.g. build/win64 build/win32)
set -uo pipefail
limit=524288
status=0
for build in "$@"; do
  for program in "Corvane Lumetra.exe" Setup.exe Uninstall.exe; do
    file=$build/bin/$program
    if [[ ! -f $file ]]; then
      echo "$file: missing" >&2
      status=1
      continue
    fi
    size=$(stat -c %s "$file")
    if ((size <= limit)); then
      printf '%-36s %9d bytes  %7d to spare\n' "$file" "$size" $((limit - size))
    else
      printf '%-36s %9d bytes  %7d OVER the limit\n' "$file" "$size" $((size - limit)) >&2
      status=1
    fi
  done
done
exit $status
