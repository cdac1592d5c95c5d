#!/bin/sh
# Two copies side by side, as a person makes them, in either order of
# removal. Setup installs into C:\Corvane EA; run again, its folder page
# proposes C:\Corvane EA, and C:\Corvane EB typed over it asks first whether
# to install a second copy (Yes, the default). The entry then names EB. Each
# copy's Uninstall.exe, run with Enter, Enter, completes and takes its own
# folder; the other copy keeps its files. The entry and the desktop link are
# left to the copy they name (EA's run leaves both to EB); EB's run takes its
# link and hands the entry back to EA, whose own run removes it.
# Usage: two_installs.sh WINE_RUN WINE_ROOT DIST WINDOW_READER WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
. "$here/wizard_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 dist=$3 reader=$4 work=$5
rm -rf "$work" && mkdir -p "$work"
trap stop_program EXIT

drive_c="$root/prefix/drive_c"
desktop=$(ls -d "$drive_c"/users/*/Desktop | grep -v /Public/ | head -n 1)
link="$desktop/Corvane Lumetra.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
# A string value of the entry, as written; empty when there is no entry.
value() { entry_reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
# The uninstaller the entry names.
entry() { value UninstallString; }

install_both() {
  entry_reg delete "$key" /f >/dev/null 2>&1 || true
  rm -rf "$drive_c/Corvane EA" "$drive_c/Corvane EB"
  rm -f "$link"
  install_with_keyboard "$dist" "Install complete!" 'C:\Corvane EA'
  keys_to Return
  wait "$pid" || true; pid=

  start_program "$dist/Setup.exe" "$work/setup.log"
  wait_window "Corvane Setup" || { cat "$work/setup.log"; fail "Setup shows no window"; }
  sleep 1
  keys_to Return
  sleep 1
  read_window "Corvane Setup"
  has 'text="C:\\Corvane EA"' "the folder page does not propose the installation in C:\\Corvane EA"
  import -window "$wid" "$work/proposed.png" 2>/dev/null || true
  xdotool type --delay 40 'C:\Corvane EB'
  xdotool key Return
  # The window reader doubles every backslash.
  wait_box_text "Corvane Setup" 'Corvane Lumetra is already installed in C:\\Corvane EA. Install a second copy in C:\\Corvane EB?'
  import -window root "$work/second-copy.png" 2>/dev/null || true
  answer_box "Corvane Setup" Return  # Yes, the default button
  wait_window "Install complete!" || { import -window root "$work/second.png"; fail "Yes did not install the second copy"; }
  keys_to Return
  wait "$pid" || true; pid=
  [ "$(entry)" = '"C:\Corvane EB\Uninstall.exe"' ] || fail "after the second copy the entry names $(entry)"
  lnkinfo "$link" | grep -qF 'C:\Corvane EB\Corvane Lumetra.exe' || fail "the desktop link does not start EB's program"
}

# Runs the copy in C:\Corvane $1 with Enter, Enter; its folder goes.
uninstall_copy() {
  start_program "$drive_c/Corvane $1/Uninstall.exe" "$work/uninstall-$1.log"
  wait_window "Corvane Uninstaller" || { cat "$work/uninstall-$1.log"; fail "$1: Uninstall.exe shows no window"; }
  sleep 1
  keys_to Return
  wait_window "Install complete!" || { read_window "Corvane Uninstaller"; cat "$work/tree.txt"; fail "$1: no completion window"; }
  read_window "Install complete!"
  has 'text="Uninstall complete!"' "$1: the uninstall is not complete"
  keys_to Return
  wait "$pid" || true; pid=
  for _ in $(seq 20); do [ -e "$drive_c/Corvane $1" ] || break; sleep 0.5; done
  [ ! -e "$drive_c/Corvane $1" ] || { ls -la "$drive_c/Corvane $1"; fail "$1: its folder stayed"; }
}

# The copy removed first, the other, and what the entry names in between.
for first in EA EB; do
  case $first in
    EA) second=EB between='"C:\Corvane EB\Uninstall.exe"' ;;  # left to EB, which it names
    EB) second=EA between='"C:\Corvane EA\Uninstall.exe"' ;;  # handed back to EA, which remains
  esac
  install_both
  ok "EA and EB installed; the second copy was asked about and the entry names EB"
  uninstall_copy "$first"
  [ -f "$drive_c/Corvane $second/Corvane Lumetra.exe" ] || fail "removing $first took $second's files"
  [ "$(entry)" = "$between" ] || fail "after removing $first the entry names '$(entry)', not '$between'"
  if [ "$first" = EA ]; then
    [ -f "$link" ] || fail "removing $first took EB's desktop link"; left="EB's link stays"
  else
    [ ! -e "$link" ] || fail "removing $first left its desktop link"; left="the link is gone"
    [ "$(value InstallLocation)" = 'C:\Corvane EA' ] || fail "the entry handed back says $(value InstallLocation)"
  fi
  ok "$first uninstalled: $second keeps its files, the entry names '$between', $left"
  uninstall_copy "$second"
  [ -z "$(entry)" ] || fail "after removing both the entry names $(entry)"
  [ ! -e "$link" ] || fail "the desktop link outlived both copies"
  ok "$second uninstalled too: no entry and no link are left"
done
