#!/bin/sh
# The whole round trip as a person makes it: Setup.exe from dist installs
# into a folder typed with a trailing backslash, with the desktop shortcut;
# the user copies that link under another name; with Corvane Lumetra.exe
# running, Setup is run again over it and asks to close it: the program is
# closed with its close picture (so settings.ini exists) and Retry completes
# the install. Uninstall.exe runs from the install folder with Enter, Enter.
# Afterwards the uninstall entry is gone (reg query fails, the system's list
# no longer shows the product), the product's link is gone and the user's
# stays, and within a few seconds of "Done" the install folder and the parent
# the install made are gone too, with nothing left in the temporary folder.
# Then a copy of Uninstall.exe started from a folder holding a user's file
# says why it will not remove anything, and removes nothing; installed into
# that folder (answering Yes to the question about its files) and
# uninstalled, only the user's file and its folder remain.
# Usage: uninstall_round_trip.sh WINE_RUN WINE_ROOT DIST UNINSTALL_EXE WINDOW_READER WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
. "$here/wizard_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 dist=$3 uninstaller=$4 reader=$5 work=$6
rm -rf "$work" && mkdir -p "$work"
trap stop_program EXIT

# Uninstall starts without administrator rights and asks for them only to
# remove an installation for all users.
grep -aq 'level="asInvoker"' "$uninstaller" || fail "Uninstall.exe asks for rights at its start"
drive_c="$root/prefix/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
folder='C:\Corvane Round Trip\Corvane Lumetra'
unix_folder="$drive_c/Corvane Round Trip/Corvane Lumetra"
# The user's own folders (not Public's).
desktop=$(ls -d "$drive_c"/users/*/Desktop | grep -v /Public/ | head -n 1)
temp=$(ls -d "$drive_c"/users/*/Temp "$drive_c"/users/*/AppData/Local/Temp 2>/dev/null | grep -v /Public/ | head -n 1)
entry_reg delete "$key" /f >/dev/null 2>&1 || true
rm -rf "$drive_c/Corvane Round Trip" "$drive_c/Corvane Guard"
rm -f "$desktop/Corvane Lumetra.lnk" "$desktop/My Beats.lnk"

# --- Install (typed with a trailing backslash), place a second link ----------
install_with_keyboard "$dist" "Install complete!" "$folder\\"
keys_to Return
wait "$pid" || true; pid=
[ -f "$desktop/Corvane Lumetra.lnk" ] || fail "Setup made no desktop link"
cp "$desktop/Corvane Lumetra.lnk" "$desktop/My Beats.lnk"
entry_reg query "$key" /v UninstallString 2>/dev/null | tr -d '\r' >"$work/command.txt"
grep -qF "REG_SZ    \"$folder\\Uninstall.exe\"" "$work/command.txt" || { cat "$work/command.txt"; fail "UninstallString"; }
ok "installed into $folder\\ as $folder, with the desktop link; a second link placed by hand"

# --- Setup again while the program runs: closed, then Retry -----------------
start_program "$unix_folder/Corvane Lumetra.exe" "$work/lumetra.log"
lumetra=$pid
wait_window "Corvane Lumetra 1.2.0" || { cat "$work/lumetra.log"; fail "the installed program does not start"; }
lumetra_wid=$wid
sleep 1
install_with_keyboard "$dist" "Corvane Setup" "$folder"
setup=$pid
wait_box_text "Corvane Setup" 'text="Corvane Lumetra is running. Close it, then press Retry. Cancel stops the installation."'
ok "Setup over the running program asks to close it"
wid=$lumetra_wid
click_at 666 12  # the close picture saves the settings and ends the program
pid=$lumetra
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
wait "$pid" 2>/dev/null || true
pid=$setup
[ -f "$unix_folder/settings.ini" ] || fail "no settings.ini after closing the program"
answer_box "Corvane Setup" Return  # Retry, the default button
wait_window "Install complete!" || { import -window root "$work/retry.png"; fail "Retry did not complete the install"; }
keys_to Return
wait "$pid" || true; pid=
ok "closed with its close picture (settings.ini saved), Retry completes the install"

# --- Uninstall from the install folder ---------------------------------------
start_program "$unix_folder/Uninstall.exe" "$work/uninstall.log"
wait_window "Corvane Uninstaller" || { cat "$work/uninstall.log"; fail "Uninstall.exe shows no window"; }
read_window "Corvane Uninstaller"
has 'text="You are about to uninstall Corvane Lumetra."' "no welcome text"
has 'text="Uninstall" rect=' "no Uninstall button"
import -window "$wid" "$work/uninstall-welcome.png" 2>/dev/null || true
keys_to Return
wait_window "Install complete!" || { read_window "Corvane Uninstaller"; cat "$work/tree.txt"; fail "no completion window"; }
read_window "Install complete!"
has 'text="Uninstall complete!"' "the completion window does not say complete"
has 'text="The Corvane Lumetra was succesfuly uninstalled!"' "no closing sentence"
import -window "$wid" "$work/uninstall-done.png" 2>/dev/null || true
[ "$(ls "$unix_folder")" = "Uninstall.exe" ] || { ls -la "$unix_folder"; fail "more than Uninstall.exe stayed before Done"; }
keys_to Return
began=$(date +%s)
wait "$pid" || true; pid=
for _ in $(seq 20); do [ -e "$drive_c/Corvane Round Trip" ] || break; sleep 0.5; done
[ ! -e "$drive_c/Corvane Round Trip" ] || { ls -laR "$drive_c/Corvane Round Trip"; fail "the folders the install made are still there"; }
echo "== the install folder was gone $(($(date +%s) - began)) s after Done"
ok "Enter, Enter: every file, Uninstall.exe, the install folder and its parent are gone"

if entry_reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is still there"; fi
"$wine_run" "$root" uninstaller --list 2>/dev/null | tr -d '\r' >"$work/installed.txt" || true
if grep -qF "Corvane Lumetra" "$work/installed.txt"; then cat "$work/installed.txt"; fail "still listed"; fi
ok "the uninstall entry is gone: reg query fails, wine uninstaller --list does not list it"
[ ! -e "$desktop/Corvane Lumetra.lnk" ] || fail "the product's desktop link stayed"
[ -f "$desktop/My Beats.lnk" ] || fail "the user's own link went too"
ok "Corvane Lumetra.lnk is gone, My Beats.lnk stays"
if ls "$temp" | grep -q "Corvane"; then ls -la "$temp"; fail "the temporary folder keeps a copy"; fi
ok "nothing left in the temporary folder"

# --- A copy started from a folder that is not an installation ----------------
guard="$drive_c/Corvane Guard"
mkdir -p "$guard"
cp "$uninstaller" "$guard/Uninstall.exe"
echo "the user's own" >"$guard/letter.txt"
start_program "$guard/Uninstall.exe" "$work/guard.log"
wait_window "Corvane Uninstaller" || { cat "$work/guard.log"; fail "the copy shows no window"; }
read_window "Corvane Uninstaller"
has 'text="This folder is not an installation of Corvane Lumetra."' "the copy does not say why"
has 'text="Nothing will be removed."' "the copy does not say that nothing goes"
has 'text="Uninstall" rect=' "no Uninstall button"
grep -F 'text="Uninstall" rect=' "$work/tree.txt" | grep -qF 'enabled=0' || fail "Uninstall is not disabled"
import -window "$wid" "$work/uninstall-refused.png" 2>/dev/null || true
keys_to Escape
for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
wait "$pid" || true; pid=
[ "$(cat "$guard/letter.txt")" = "the user's own" ] && [ -f "$guard/Uninstall.exe" ] || fail "the copy removed something"
ok "a copy in a folder with a user's file explains itself and removes nothing"

# --- Installed into that folder (Yes to its files), then uninstalled ---------
rm "$guard/Uninstall.exe"
install_with_keyboard "$dist" "Corvane Setup" 'C:\Corvane Guard'
wait_box_text "Corvane Setup" 'already exists and holds other files. Install Corvane Lumetra there anyway? Your own files will be kept.'
answer_box "Corvane Setup" Return  # Yes, the default button
wait_window "Install complete!" || fail "Yes did not install"
keys_to Return
wait "$pid" || true; pid=
start_program "$guard/Uninstall.exe" "$work/uninstall-guard.log"
wait_window "Corvane Uninstaller" || { cat "$work/uninstall-guard.log"; fail "Uninstall.exe shows no window"; }
sleep 1
keys_to Return
wait_window "Install complete!" || fail "no completion window"
read_window "Install complete!"
has 'The folder C:\\Corvane Guard was kept because it holds other files.' "the completion window does not say why the folder stays"
import -window "$wid" "$work/uninstall-kept.png" 2>/dev/null || true
keys_to Return
wait "$pid" || true; pid=
for _ in $(seq 20); do [ -e "$guard/Uninstall.exe" ] || break; sleep 0.5; done
[ "$(ls "$guard")" = "letter.txt" ] || { ls -la "$guard"; fail "more than the user's file stayed"; }
[ "$(cat "$guard/letter.txt")" = "the user's own" ] || fail "the user's file changed"
if entry_reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is still there"; fi
ok "installed beside a user's file and uninstalled: only that file and its folder remain"
