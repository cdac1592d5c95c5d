#!/bin/sh
# Installing for the current user alone, without administrator rights: a
# very silent /CURRENTUSER install writes the user's own programs folder,
# the entry under HKEY_CURRENT_USER and the desktop link, and nothing under
# HKEY_LOCAL_MACHINE or Program Files; the entry's QuietUninstallString, run
# as written, removes all of it. Then the wizard with the keyboard: Shift+Tab
# from the folder box reaches the option buttons, Down chooses "me only",
# the proposed folder follows, and the install goes into it. Last, /LANG=en
# under a Romanian interface shows the English pages.
# Usage: per_user_install.sh WINE_RUN WINE_ROOT DIST WINDOW_READER WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
. "$here/wizard_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 dist=$3 reader=$4 work=$5
rm -rf "$work" && mkdir -p "$work"
trap stop_program EXIT

drive_c="$root/prefix/drive_c"
entry='Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
desktop=$(ls -d "$drive_c"/users/*/Desktop | grep -v /Public/ | head -n 1)
link="$desktop/Corvane Lumetra.lnk"
unix_folder="$(dirname "$desktop")/AppData/Local/Programs/Corvane Lumetra"
setup_folder="$drive_c/Corvane PerUser"
# reg in the 64-bit view (HKCU's uninstall entries are one for both views),
# with reg's own exit status.
reg_64() {
  out=$("$wine_run" "$root" reg "$@" /reg:64 2>/dev/null) || return 1
  printf '%s\n' "$out" | tr -d '\r'
}
"$wine_run" "$root" reg delete "HKCU\\$entry" /f >/dev/null 2>&1 || true
rm -rf "$unix_folder" "$setup_folder" && rm -f "$link"
mkdir -p "$setup_folder" && cp "$dist/Setup.exe" "$dist/Data.set" "$setup_folder/"
# What an all-users install would change: both registry views of the
# machine's entry, and both Program Files folders.
machine() {
  reg_64 query "HKLM\\$entry" || true
  "$wine_run" "$root" reg query "HKLM\\$entry" /reg:32 2>/dev/null | tr -d '\r' || true
  ls "$drive_c/Program Files" "$drive_c/Program Files (x86)" 2>/dev/null || true
}
machine >"$work/machine-before.txt"
# Fails unless the per-user install lies in place: folder, entry, link.
installed() {
  [ -f "$unix_folder/Corvane Lumetra.exe" ] && [ -f "$unix_folder/Uninstall.exe" ] || fail "$1: no programs in $unix_folder"
  reg_64 query "HKCU\\$entry" >"$work/values.txt" || fail "$1: no entry under HKEY_CURRENT_USER"
  grep -q 'InstallLocation.*AppData\\Local\\Programs\\Corvane Lumetra' "$work/values.txt" ||
    { cat "$work/values.txt"; fail "$1: the entry names another folder"; }
  [ -f "$link" ] || fail "$1: no desktop link"
  machine | cmp -s - "$work/machine-before.txt" || fail "$1: HKEY_LOCAL_MACHINE or Program Files changed"
}
# Runs the entry's QuietUninstallString as written, from a batch file, and
# waits for the folder to go (the uninstaller removes itself after it ends).
uninstall_quietly() {
  line=$(sed -n 's/^ *QuietUninstallString *REG_SZ *//p' "$work/values.txt")
  [ -n "$line" ] || fail "no QuietUninstallString"
  printf '@%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$line" >"$setup_folder/uninstall.bat"
  "$wine_run" "$root" cmd /c 'C:\Corvane PerUser\uninstall.bat' >"$work/uninstall.out" 2>&1 || fail "$line failed"
  for _ in $(seq 40); do [ -e "$unix_folder" ] || break; sleep 0.5; done
  [ ! -e "$unix_folder" ] || fail "$line left $unix_folder"
  reg_64 query "HKCU\\$entry" >/dev/null && fail "$line left the entry"
  [ ! -e "$link" ] || fail "$line left the link"
  machine | cmp -s - "$work/machine-before.txt" || fail "$line changed HKEY_LOCAL_MACHINE or Program Files"
  return 0
}

# --- Very silent, by switch -------------------------------------------------
"$wine_run" "$root" 'C:\Corvane PerUser\Setup.exe' /VERYSILENT /CURRENTUSER '/LOG=C:\Corvane PerUser\setup.log' \
  >"$work/silent.out" 2>&1 || { cat "$setup_folder/setup.log"; fail "the silent /CURRENTUSER install failed"; }
installed "/CURRENTUSER"
grep -q 'Mode: for the current user only.' "$setup_folder/setup.log" || fail "the log does not name the mode"
ok "/VERYSILENT /CURRENTUSER installed into the user's folder, HKCU entry and link, HKLM untouched"
uninstall_quietly
ok "its QuietUninstallString removed the folder, the entry and the link"

# --- The wizard, with the keyboard -------------------------------------------
start_program "$setup_folder/Setup.exe" "$work/wizard.out"
wait_window "Corvane Setup" || fail "no wizard"
sleep 1
keys_to Return
sleep 1
xdotool key shift+Tab
sleep 0.3
xdotool key Down
sleep 0.5
read_window "Corvane Setup"
has 'AppData\\Local\\Programs\\Corvane Lumetra' "choosing \"me only\" did not propose the user's own folder"
import -window "$wid" "$work/folder-page-me-only.png" 2>/dev/null || true
xdotool key Return
wait_window "Install complete!" || { read_window "Corvane Setup"; cat "$work/tree.txt"; fail "no completion window"; }
sleep 1
keys_to Return
wait "$pid" || true; pid=
installed "the wizard's \"me only\""
ok "the wizard installed for me only with the keyboard"
uninstall_quietly

# --- /LANG=en under a Romanian interface ------------------------------------
# Wine takes the interface language from the locale (LC_ALL outranks LANG).
LC_ALL=ro_RO.UTF-8 LANG=ro_RO.UTF-8 "$wine_run" "$root" "$setup_folder/Setup.exe" >"$work/ro.out" 2>&1 &
pid=$!
wait_window "Instalare Corvane" || fail "a Romanian interface did not give a Romanian wizard"
sleep 1
keys_to Escape  # Cancel ends the wizard
wait "$pid" || true; pid=
LC_ALL=ro_RO.UTF-8 LANG=ro_RO.UTF-8 "$wine_run" "$root" "$setup_folder/Setup.exe" /LANG=en >"$work/en.out" 2>&1 &
pid=$!
wait_window "Corvane Setup" || fail "/LANG=en under a Romanian interface did not give English"
read_window "Corvane Setup"
has 'text="Next >"' "/LANG=en under a Romanian interface shows other texts"
keys_to Escape
wait "$pid" || true; pid=
ok "/LANG=en under a Romanian interface gives the English pages"
