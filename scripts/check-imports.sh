#!/usr/bin/env bash
# Fails when a shipped program imports a function (or a DLL) that Windows 7
# SP1 lacks: the loader would refuse to start it there, before any of our
# code runs. The list is scripts/windows7-missing.txt.
# Usage: check-imports.sh BUILD_DIR...   (e.g. build/win64 build/win32)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list="$here/windows7-missing.txt"
status=0
for build in "$@"; do
  for program in "Corvane Lumetra.exe" Setup.exe Uninstall.exe; do
    exe="$build/bin/$program"
    [[ -f "$exe" ]] || { echo "check-imports: $exe is missing"; status=1; continue; }
    # "dll function" for each import, the DLL's name in lower case.
    imports=$(x86_64-w64-mingw32-objdump -p "$exe" |
      awk '/DLL Name:/ { dll = tolower($3) } /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }')
    bad=$(awk 'NR == FNR { if ($0 !~ /^#/ && NF == 2) missing[tolower($1) " " $2] = 1; next }
               (missing[$1 " " $2] || missing[$1 " *"]) { print "  " $1 " " $2 }' "$list" - <<<"$imports")
    if [[ -n "$bad" ]]; then
      echo "check-imports: $exe imports what Windows 7 SP1 lacks:"; echo "$bad"; status=1
    else
      echo "check-imports: $exe: $(wc -l <<<"$imports") imports, all on Windows 7 SP1"
    fi
  done
done
exit $status
