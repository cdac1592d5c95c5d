#!/bin/sh
# Setup.exe from dist as a person runs it, with the keyboard only: Enter on
# the welcome page, a new folder typed over the proposed one (spaces in its
# names, a parent that does not exist yet), Enter, and Enter on the
# completion window with "Make shortcut on Desktop" ticked. Then every file
# of the package lies in the folder byte for byte, the uninstall entry holds
# its eleven values, the desktop link parses with the right target, the
# system's list of installed programs shows the product and the installed
# program starts, and the install record lists the files. A second run over
# the first succeeds; a damaged package ends in "Install failed" with no
# uninstall entry; Esc on the progress page while a long package is being
# extracted leaves no file, no folder and no entry. Alt+B on the folder page
# opens the system's folder picker, and the folder chosen there goes into the
# box.
# Usage: setup_install.sh WINE_RUN WINE_ROOT DIST VEK WINDOW_READER WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
. "$here/wizard_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 dist=$3 vek=$4 reader=$5 work=$6
rm -rf "$work" && mkdir -p "$work"
trap stop_program EXIT

# Setup starts without administrator rights (an installation for the user
# alone needs none) and asks for them only to install for all users (Wine
# runs it as its user, who may write Program Files and HKEY_LOCAL_MACHINE).
grep -aq 'level="asInvoker"' "$dist/Setup.exe" || fail "Setup.exe asks for rights at its start"

drive_c="$root/prefix/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
folder='C:\Corvane Test Parent\Lumetra Setup Folder'
unix_folder="$drive_c/Corvane Test Parent/Lumetra Setup Folder"
entry_reg delete "$key" /f >/dev/null 2>&1 || true
rm -rf "$drive_c/Corvane Test Parent" "$drive_c/Corvane Damaged" "$drive_c/Corvane Cancelled"
rm -f "$root"/prefix/drive_c/users/*/Desktop/"Corvane Lumetra.lnk"

values() { entry_reg query "$key" 2>/dev/null | tr -d '\r' | grep 'REG_' || true; }

# --- First install ----------------------------------------------------------
shot=setup-folder-page.png install_with_keyboard "$dist" "Install complete!" "$folder"
echo "== install of the package: 100 ticks in $took s"
read_window "Install complete!"
grep -qF 'text="Thank you for chosing Corvane Lumetra"' "$work/tree.txt" || { cat "$work/tree.txt"; fail "no thanks"; }
import -window "$wid" "$work/setup-done.png" 2>/dev/null || true
keys_to Return
wait "$pid" || true; pid=
ok "Setup ran through its pages with the keyboard"

mkdir -p "$work/expected"
"$vek" extract-all "$dist/Data.set" "$work/expected" || fail "the package does not extract"
count=0
for f in "$work/expected"/*; do
  cmp "$f" "$unix_folder/$(basename "$f")" || fail "$(basename "$f") differs or is missing"
  count=$((count + 1))
done
[ -f "$unix_folder/Corvane Lumetra.exe" ] || fail "no main program"
ok "all $count files of the package lie in the new folder byte for byte"

record="$unix_folder/Install record.txt"
[ "$(head -n 1 "$record" | tr -d '\r')" = "Corvane Lumetra install record 1" ] || fail "no install record"
for f in "$work/expected"/*; do
  grep -qF "file	$folder\\$(basename "$f")" "$record" || { cat "$record"; fail "the record misses $(basename "$f")"; }
done
grep -qF "folder	C:\\Corvane Test Parent" "$record" || { cat "$record"; fail "the record misses the folders made"; }
ok "the install record lists every file written and the folders made"

values >"$work/values.txt"
cat "$work/values.txt"
[ "$(wc -l <"$work/values.txt")" -eq 11 ] || fail "the entry does not hold its eleven values"
grep -qE '^ *DisplayName +REG_SZ +Corvane Lumetra$' "$work/values.txt" || fail "DisplayName"
grep -qF "REG_SZ    \"$folder\\Uninstall.exe\"" "$work/values.txt" || fail "UninstallString is not the quoted uninstaller"
ok "the uninstall entry holds DisplayName and the quoted UninstallString among its eleven values"

link=$(ls "$root"/prefix/drive_c/users/*/Desktop/"Corvane Lumetra.lnk" 2>/dev/null | head -n 1)
[ -n "$link" ] || fail "no desktop link"
lnkinfo "$link" >"$work/lnkinfo.txt" || fail "lnkinfo cannot read the link"
grep -qF "Local path			: $folder\\Corvane Lumetra.exe" "$work/lnkinfo.txt" || { cat "$work/lnkinfo.txt"; fail "link target"; }
grep -qF "Icon location			: $folder\\Corvane Lumetra.exe" "$work/lnkinfo.txt" || fail "link icon"
grep -qE "Show Window value[[:space:]]+: 0x00000000" "$work/lnkinfo.txt" || fail "link show command"
ok "the desktop link parses: target, icon and show command"

"$wine_run" "$root" uninstaller --list 2>/dev/null | tr -d '\r' >"$work/installed.txt" || true
grep -qF "|||Corvane Lumetra" "$work/installed.txt" || { cat "$work/installed.txt"; fail "not among the installed programs"; }
ok "wine uninstaller --list shows Corvane Lumetra"

start_program "$unix_folder/Corvane Lumetra.exe" "$work/lumetra.log"
wait_window "Corvane Lumetra 1.2.0" || { cat "$work/lumetra.log"; fail "the installed program does not start"; }
stop_program
ok "the installed Corvane Lumetra.exe starts"

# --- Again over the first ---------------------------------------------------
shot= install_with_keyboard "$dist" "Install complete!" "$folder"
keys_to Return
wait "$pid" || true; pid=
[ "$(values | wc -l)" -eq 11 ] || fail "the second run left other values"
cmp "$work/expected/Corvane Lumetra.exe" "$unix_folder/Corvane Lumetra.exe" || fail "second run: main program"
ok "a second run over the first completes"

# --- A damaged package ------------------------------------------------------
entry_reg delete "$key" /f >/dev/null 2>&1 || true
mkdir -p "$work/damaged"
cp "$dist/Setup.exe" "$work/damaged/"
size=$(stat -c %s "$dist/Data.set")
head -c $((size - 100)) "$dist/Data.set" >"$work/damaged/Data.set"
shot= install_with_keyboard "$work/damaged" "Install failed" 'C:\Corvane Damaged\Lumetra'
read_window "Install failed"
grep -qF 'text="Install failed!"' "$work/tree.txt" || { cat "$work/tree.txt"; fail "no failure title"; }
grep -qF 'runs past the end of the file' "$work/tree.txt" || { cat "$work/tree.txt"; fail "no reason"; }
import -window "$wid" "$work/setup-failed.png" 2>/dev/null || true
keys_to Return
wait "$pid" || true; pid=
[ -z "$(values)" ] || fail "a damaged package left an uninstall entry"
[ ! -e "$drive_c/Corvane Damaged" ] || fail "the folder made for the damaged package stayed"
ok "a damaged package ends in Install failed, with no uninstall entry and no folder left"

# --- Esc while a long package is extracted: everything taken back -------------
# The walk writes at most one entry per schedule tick from tick 15 on (under
# Wine the schedule moves about twice as fast): with the programs and three
# fillers on disk the schedule is past tick 20 and, Esc following at once,
# far from tick 80.
mkdir -p "$work/long" "$work/fillers"
cp "$dist/Setup.exe" "$work/long/"
for f in "$work/expected"/*; do "$vek" add "$work/long/Data.set" "$f" >/dev/null || fail "vek add"; done
for i in $(seq 100 199); do
  echo "filler $i" >"$work/fillers/part$i.dat"
  "$vek" add "$work/long/Data.set" "$work/fillers/part$i.dat" >/dev/null || fail "vek add"
done
start_program "$work/long/Setup.exe" "$work/long.log"
wait_window "Corvane Setup" || { cat "$work/long.log"; fail "Setup shows no window"; }
sleep 1
keys_to Return
sleep 1
xdotool type --delay 40 'C:\Corvane Cancelled\Lumetra'
xdotool key Return
cancelled="$drive_c/Corvane Cancelled/Lumetra"
for _ in $(seq 500); do [ -f "$cancelled/part102.dat" ] && break; sleep 0.01; done
seen=$(ls "$cancelled" 2>/dev/null | grep -c '\.dat$\|\.exe$' || true)
xdotool key Escape
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$pid" 2>/dev/null && fail "Esc on the progress page did not end Setup"
wait "$pid" || true; pid=
echo "== Esc pressed with $seen of 102 files written"
[ "$seen" -ge 5 ] && [ "$seen" -le 25 ] || fail "Esc did not land between ticks 20 and 80 ($seen files)"
[ ! -e "$drive_c/Corvane Cancelled" ] || { ls -laR "$drive_c/Corvane Cancelled"; fail "Cancel left files or folders"; }
[ -z "$(values)" ] || fail "Cancel left an uninstall entry"
ok "Esc during the extraction takes back every file and folder the run made; no entry"

# --- Browse... -----------------------------------------------------------------
# Alt+B opens the system's folder picker; a folder typed into it and taken
# with Enter goes into the box with the product's own folder inside it.
mkdir -p "$drive_c/Corvane Picked"
start_program "$dist/Setup.exe" "$work/browse.log"
wait_window "Corvane Setup" || { cat "$work/browse.log"; fail "Setup shows no window"; }
setup_wid=$wid
sleep 1
keys_to Return
sleep 1
xdotool key alt+b
# Titled as the program asks on Windows; Wine's picker calls itself "Select Folder".
picker=
for _ in $(seq 100); do
  picker=$(xdotool search --onlyvisible --name 'Choose where to install|Select Folder' 2>/dev/null | head -n 1) || true
  [ -n "$picker" ] && break
  sleep 0.1
done
[ -n "$picker" ] || fail "Alt+B on the folder page opens no folder picker"
sleep 1
xdotool mousemove --window "$picker" 300 10 click 1
sleep 0.5
xdotool type --delay 40 'C:\Corvane Picked'
xdotool key Return
sleep 2
read_window "Corvane Setup"
has 'class="Edit" text="C:\\Corvane Picked\\Corvane Lumetra"' "the chosen folder is not in the box"
wid=$setup_wid
stop_program
rmdir "$drive_c/Corvane Picked"
ok "Browse... puts the folder chosen in the system's picker into the box, with Corvane Lumetra inside it"

# --- Esc is Cancel ------------------------------------------------------------
start_program "$dist/Setup.exe" "$work/cancel.log"
wait_window "Corvane Setup"
sleep 1
keys_to Escape
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$pid" 2>/dev/null && fail "Esc did not end Setup"
pid=
ok "Esc on the welcome page ends Setup"
