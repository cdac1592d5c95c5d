#!/bin/sh
# Setup.exe and Uninstall.exe run from the command line as an administrator's
# script runs them: each command line below is written into a batch file
# exactly as typed and run by cmd, which waits for the program and gives its
# exit status. A very silent install into a new folder with a log shows no
# window and leaves the files, the full uninstall entry (read back with reg
# query), the desktop link and a log that names each step; /SILENT shows only
# the progress page, and with /NOICONS makes no link; an unknown
# switch shows the list of switches naming it, exits 2 and changes nothing;
# the entry's QuietUninstallString, run as written, exits 0 and leaves
# nothing of the product; a folder that cannot be made exits 1 with the
# reason in the log.
# Usage: setup_switches.sh WINE_RUN WINE_ROOT DIST VEK WINDOW_READER WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
. "$here/wizard_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 dist=$3 vek=$4 reader=$5 work=$6
rm -rf "$work" && mkdir -p "$work"
trap stop_program EXIT

drive_c="$root/prefix/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
folder='C:\Silent Test\Corvane Lumetra'
unix_folder="$drive_c/Silent Test/Corvane Lumetra"
desktop=$(ls -d "$drive_c"/users/*/Desktop | grep -v /Public/ | head -n 1)
link="$desktop/Corvane Lumetra.lnk"
logs="$drive_c/Corvane Switches"  # the logs, and the setup folder the batch files run from
entry_reg delete "$key" /f >/dev/null 2>&1 || true
rm -rf "$drive_c/Silent Test" "$drive_c/Corvane Blocked" "$logs"
rm -f "$link"
mkdir -p "$logs"
cp "$dist/Setup.exe" "$dist/Data.set" "$logs/"
: >"$drive_c/Corvane Blocked"  # a file where a folder would have to be made

values() { entry_reg query "$key" 2>/dev/null | tr -d '\r' | grep 'REG_' || true; }
# The entry's QuietUninstallString, read again when a read gives nothing: a
# reg.exe started as the last program's wineserver shuts down can fail.
quiet_line() {
  for _ in 1 2 3; do
    line=$(values | sed -n 's/^ *QuietUninstallString *REG_SZ *//p')
    [ -n "$line" ] && return
    sleep 1
  done
  fail "the entry holds no QuietUninstallString"
}
# What a command line may change: the entry, the install folder, the link.
state() { values; ls -R "$drive_c/Silent Test" 2>/dev/null || true; ls "$link" 2>/dev/null || true; }

# Runs the command line $1 from a batch file, as typed; sets status, and
# shown to the title of the first of the wizards' windows that showed while
# it ran ("" for none), whose window tree is then in $work/shown.txt.
wizard_titles='Corvane Setup|Corvane Uninstaller|Install complete!|Install failed|Uninstall incomplete'
run_line() {
  printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$1" >"$logs/run.bat"
  "$wine_run" "$root" cmd /c 'C:\Corvane Switches\run.bat' >"$work/run.out" 2>&1 &
  pid=$!
  shown=
  while kill -0 "$pid" 2>/dev/null; do
    seen=$(xdotool search --onlyvisible --name "$wizard_titles" 2>/dev/null | head -n 1) || true
    if [ -n "$seen" ] && [ -z "$shown" ]; then
      shown=$(xdotool getwindowname "$seen")
      "$wine_run" "$root" "$reader" "$shown" >"$work/shown.txt" 2>&1 || true
    fi
    sleep 0.1
  done
  status=0
  wait "$pid" || status=$?
  pid=
}
# Fails unless the log file $1 (in the logs folder) holds each line given, in order.
log_holds() {
  log=$1; shift
  tr -d '\r' <"$logs/$log" >"$work/log.txt" 2>/dev/null || fail "no log $log"
  for want in "$@"; do
    n=$(grep -nF -- "$want" "$work/log.txt" | head -n 1 | cut -d: -f1)
    [ -n "$n" ] || { cat "$work/log.txt"; fail "$log does not say: $want"; }
    tail -n "+$((n + 1))" "$work/log.txt" >"$work/rest.txt" && mv "$work/rest.txt" "$work/log.txt"
  done
}

mkdir -p "$work/expected"
"$vek" extract-all "$dist/Data.set" "$work/expected" || fail "the package does not extract"
bytes=$(cat "$work/expected"/* | wc -c)
size_kb=$(( (bytes + 1023) / 1024 ))
# A package long enough that the progress page stays up a few seconds, to be
# read from outside while it shows.
mkdir -p "$logs/long" "$work/fillers"
cp "$dist/Setup.exe" "$logs/long/"
for f in "$work/expected"/*; do "$vek" add "$logs/long/Data.set" "$f" >/dev/null || fail "vek add"; done
for i in $(seq 100 299); do
  echo "filler $i" >"$work/fillers/part$i.dat"
  "$vek" add "$logs/long/Data.set" "$work/fillers/part$i.dat" >/dev/null || fail "vek add"
done

# --- After each command line ---------------------------------------------------
installed() {
  for f in "$work/expected"/*; do
    cmp "$f" "$unix_folder/$(basename "$f")" || fail "$(basename "$f") differs or is missing"
  done
  values >"$work/values.txt"
  cat "$work/values.txt"
  # reg query writes each value as four spaces, name, type and data.
  expect_value() {
    grep -qxF "    $1    $2    $3" "$work/values.txt" || fail "the entry's $1 is not $2 $3"
  }
  expect_value DisplayName REG_SZ 'Corvane Lumetra'
  expect_value UninstallString REG_SZ "\"$folder\\Uninstall.exe\""
  expect_value QuietUninstallString REG_SZ "\"$folder\\Uninstall.exe\" /VERYSILENT"
  expect_value DisplayIcon REG_SZ "\"$folder\\Corvane Lumetra.exe\",0"
  expect_value DisplayVersion REG_SZ 1.2.0
  expect_value Publisher REG_SZ Corvanesoft
  expect_value InstallLocation REG_SZ "$folder"
  expect_value URLInfoAbout REG_SZ http://www.corvanesoft.example
  expect_value EstimatedSize REG_DWORD "$(printf '0x%x' "$size_kb")"
  expect_value NoModify REG_DWORD 0x1
  expect_value NoRepair REG_DWORD 0x1
  [ "$(wc -l <"$work/values.txt")" -eq 11 ] || fail "the entry holds other values"
  log_holds install.log "Folder: $folder (made)" "Package: C:\\Corvane Switches\\Data.set is whole" \
    "Wrote: $folder\\Corvane Lumetra.exe" "Wrote: $folder\\Uninstall.exe" "Entry: Corvane Lumetra is listed" \
    "Shortcut: " "Result: done, exit status 0: Corvane Lumetra 1.2.0 was installed in $folder."
  [ -f "$link" ] || fail "no desktop link"
  lnkinfo "$link" | grep -qF "Local path			: $folder\\Corvane Lumetra.exe" || fail "the link's target"
}
no_link() {
  [ "$shown" = "Corvane Setup" ] || fail "/SILENT showed no progress page"
  grep -qE 'text="Please wait\.\.\." .* visible=1' "$work/shown.txt" || { cat "$work/shown.txt"; fail "not the progress page"; }
  grep -qE 'text="Next >" .* visible=1' "$work/shown.txt" && { cat "$work/shown.txt"; fail "/SILENT showed a page with Next >"; }
  [ ! -e "$link" ] || fail "/NOICONS made a desktop link"
  log_holds again.log "Shortcut: none was asked for." "Result: done, exit status 0"
}
unchanged() { [ "$(state)" = "$(cat "$work/before.txt")" ] || fail "a refused command line changed something"; }
refused_silently() {
  unchanged
  log_holds refused.log 'Refused: Unknown switch "/COLOUR=blue".' 'Result: refused, exit status 2: Unknown switch'
}
nothing_left() {
  for _ in $(seq 60); do [ -e "$drive_c/Silent Test" ] || break; sleep 0.5; done
  [ ! -e "$drive_c/Silent Test" ] || { cat "$work/run.out"; ls -laR "$drive_c/Silent Test"; fail "the install folder stayed"; }
  [ -z "$(values)" ] || fail "the entry stayed"
  [ ! -e "$link" ] || fail "the desktop link stayed"
}
not_made() {
  [ -z "$(values)" ] || fail "a failed install left an entry"
  [ ! -e "$link" ] || fail "a failed install made a link"
  log_holds blocked.log "Failed: The folder C:\\Corvane Blocked\\Corvane Lumetra could not be made" \
    "Result: failed, exit status 1: The folder C:\\Corvane Blocked\\Corvane Lumetra could not be made"
}

forget_link() { rm -f "$link"; }

# --- The table: exit status, what is done before, check after, command line -----
setup='"C:\Corvane Switches\Setup.exe"'
logto='/LOG="C:\Corvane Switches'
while IFS='|' read -r expected before check line; do
  [ -n "$expected" ] || continue
  $before
  [ "$line" = QUIET ] && quiet_line
  state >"$work/before.txt"
  run_line "$line"
  [ "$status" = "$expected" ] || { cat "$work/run.out"; fail "$line: exit status $status, not $expected"; }
  case $line in *' /silent '*) ;; *) [ -z "$shown" ] || fail "$line showed the window $shown" ;; esac
  $check
  printf 'ok   %s: exit status %s\n' "$line" "$status"  # echo would read \a in a path
done <<ROWS
0|:|installed|$setup /VERYSILENT /DIR="$folder" $logto\install.log" /SUPPRESSMSGBOXES
0|forget_link|no_link|"C:\Corvane Switches\long\Setup.exe" /silent /noicons /dir="$folder" $logto\again.log"
2|:|refused_silently|$setup /VERYSILENT /COLOUR=blue $logto\refused.log"
2|:|unchanged|$setup /VERYSILENT /DIR="$folder" /LOG="C:\No Such Folder\setup.log"
0|:|nothing_left|QUIET
1|:|not_made|$setup /LOG="C:\Corvane Switches\blocked.log" /VERYSILENT /DIR="C:\Corvane Blocked\Corvane Lumetra"
ROWS

# --- An unknown switch in a shown run: the list of switches names it ------------
printf '@"C:\\Corvane Switches\\Setup.exe" /Bogus\r\n@exit /b %%ERRORLEVEL%%\r\n' >"$logs/run.bat"
"$wine_run" "$root" cmd /c 'C:\Corvane Switches\run.bat' >"$work/run.out" 2>&1 &
pid=$!
# The window reader writes a quote in a text as \".
wait_box_text "Corvane Setup" 'Unknown switch \"/Bogus\".'
has '/DIR=\"folder\": installs into the folder' "the box does not list the switches"
import -window root "$work/unknown-switch.png" 2>/dev/null || true
answer_box "Corvane Setup" Return
status=0; wait "$pid" || status=$?; pid=
[ "$status" = 2 ] || fail "/Bogus: exit status $status, not 2"
[ ! -e "$drive_c/Silent Test" ] && [ -z "$(values)" ] || fail "an unknown switch changed something"
ok "an unknown switch shows the switches with it named, and exits 2"
