#!/bin/sh
# Setup.exe and Uninstall.exe run as careless or hostile users run them,
# each command line from a batch file as typed: a table of command lines,
# each with the exit status it must end with, and every one of them must
# leave every file byte for byte, the uninstall entry and the desktop
# unchanged. An uninstaller reached through a hard link or a symbolic link
# from a user's folder refuses (the user's files, the real installation and
# its entry stay); a /LOG naming the package, a hard link to it, the
# installed program or the install record refuses the command line; a folder
# holding a user's own "Install record.txt" (writable, read-only, or a folder
# of that name) is refused.
# Usage: hostile_runs.sh WINE_RUN WINE_ROOT DIST WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 dist=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }

drive_c="$root/prefix/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
top="$drive_c/Corvane Hostile"
desktop=$(ls -d "$drive_c"/users/*/Desktop | grep -v /Public/ | head -n 1)
"$wine_run" "$root" reg delete "$key" /f /reg:64 >/dev/null 2>&1 || true
batch="$drive_c/Corvane Hostile Batch"  # outside the folder compared
rm -rf "$top" "$batch" && mkdir -p "$top/setup" "$batch"
cp "$dist/Setup.exe" "$dist/Data.set" "$top/setup/"
rm -f "$desktop/Corvane Lumetra.lnk"

# Runs the command line $1 from a batch file, as typed; sets status.
run_line() {
  printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$1" >"$batch/run.bat"
  status=0
  "$wine_run" "$root" cmd /c 'C:\Corvane Hostile Batch\run.bat' >"$work/run.out" 2>&1 || status=$?
}
# The 64-bit view: the x64 programs write the entry there.
values() { "$wine_run" "$root" reg query "$key" /reg:64 2>/dev/null | tr -d '\r' | grep 'REG_' || true; }
# Every name under the test's folder, every file's bytes, the entry, the link.
state() {
  (cd "$top" && find . | sort && find . -type f | sort | xargs -d '\n' md5sum)
  values
  ls "$desktop" 2>/dev/null | grep -F 'Corvane Lumetra' || true
}

# --- The installation, and the users' folders around it ---------------------
run_line '"C:\Corvane Hostile\setup\Setup.exe" /VERYSILENT /NOICONS /DIR="C:\Corvane Hostile\T1"'
[ "$status" = 0 ] && [ -f "$top/T1/Uninstall.exe" ] || { cat "$work/run.out"; fail "the silent install: status $status"; }
[ -n "$(values)" ] || fail "the install left no entry"
for user in U1 U2; do
  mkdir -p "$top/$user"
  echo "the user's own program" >"$top/$user/Corvane Lumetra.exe"
  echo "volume=-300" >"$top/$user/settings.ini"
  echo "the user's notes" >"$top/$user/doc.txt"
done
ln "$top/T1/Uninstall.exe" "$top/U1/Uninstall.exe"
ln -s "$top/T1/Uninstall.exe" "$top/U2/Uninstall.exe"
ln "$top/setup/Data.set" "$top/linked.log"
mkdir -p "$top/X3" "$top/X4" "$top/X5/Install record.txt"
echo "my own install notes" >"$top/X3/Install record.txt"
echo "Corvane Lumetra install recor" >"$top/X4/Install record.txt"
chmod a-w "$top/X4/Install record.txt"
echo "kept" >"$top/X5/Install record.txt/inside.txt"
echo "ok   installed silently into T1; users' folders, links and records made"

# --- The table: exit status, command line (every file stays as it was) ------
setup='"C:\Corvane Hostile\setup\Setup.exe" /VERYSILENT /SUPPRESSMSGBOXES'
t1='C:\Corvane Hostile\T1'
while IFS='|' read -r expected line; do
  [ -n "$expected" ] || continue
  state >"$work/before.txt"
  run_line "$line"
  [ "$status" = "$expected" ] || { cat "$work/run.out"; fail "$line: exit status $status, not $expected"; }
  # A linked uninstaller's removal would come after its end: give it time.
  sleep 2
  state >"$work/after.txt"
  diff "$work/before.txt" "$work/after.txt" >"$work/diff.txt" || { cat "$work/diff.txt"; fail "$line changed something"; }
  printf 'ok   %s: exit status %s, nothing changed\n' "$line" "$status"  # echo would read \a in a path
done <<ROWS
1|"C:\Corvane Hostile\U1\Uninstall.exe" /VERYSILENT
1|"C:\Corvane Hostile\U2\Uninstall.exe" /VERYSILENT /SUPPRESSMSGBOXES
2|$setup /DIR="C:\Corvane Hostile\H3" /LOG="C:\Corvane Hostile\setup\Data.set"
2|$setup /DIR="C:\Corvane Hostile\H3" /LOG="C:\Corvane Hostile\linked.log"
2|$setup /DIR="$t1" /LOG="$t1\Corvane Lumetra.exe"
2|"$t1\Uninstall.exe" /VERYSILENT /SUPPRESSMSGBOXES /LOG="$t1\Corvane Lumetra.exe"
2|"$t1\Uninstall.exe" /VERYSILENT /LOG="$t1\Install record.txt"
2|$setup /DIR="$t1" /LOG="$t1\Install record.txt"
1|$setup /DIR="C:\Corvane Hostile\X3"
1|$setup /DIR="C:\Corvane Hostile\X4"
1|$setup /DIR="C:\Corvane Hostile\X5"
ROWS

# The real installation still uninstalls from its own folder.
run_line "\"$t1\\Uninstall.exe\" /VERYSILENT"
[ "$status" = 0 ] || { cat "$work/run.out"; fail "the real uninstall: status $status"; }
for _ in $(seq 60); do [ -e "$top/T1" ] || break; sleep 0.5; done
[ ! -e "$top/T1" ] && [ -z "$(values)" ] || fail "the real installation did not go"
echo "ok   the installation itself uninstalls from its own folder"
