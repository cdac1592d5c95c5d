#!/bin/sh
# The x86 build on a 64-bit Windows (a WoW64 prefix), beside the x64 build.
# The x86 Setup proposes C:\Program Files (x86)\Corvane Lumetra (a very
# silent run installs where the folder page proposes); its entry is in the
# 32-bit registry view only and its log says so. Then both orders: x86 then
# x64 installed, x86 then x64 removed; x64 then x86 installed, x64 then x86
# removed. Each Setup, run very silently
# with its questions answered by default, asks before the second copy (the
# other build's entry in the other view) and leaves that entry alone; each
# Uninstall removes its own folder and entry and leaves the other's; the
# desktop link goes with the copy it starts. At the end of each order no
# folder, no entry in either view and no link is left.
# Usage: wow64_installs.sh WINE_RUN WINE_ROOT X86_DIST X64_DIST WORK
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lumetra_e2e_lib.sh"
. "$here/wizard_e2e_lib.sh"
own_display "$0" "$@"
wine_run=$1 root=$2 x86=$3 x64=$4 work=$5
rm -rf "$work" && mkdir -p "$work"
[ -f "$x64/Setup.exe" ] || { echo "SKIP: no x64 build in $x64 (build the win64 preset first)"; exit 77; }

drive_c="$root/prefix/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane Lumetra'
desktop=$(ls -d "$drive_c"/users/*/Desktop | grep -v /Public/ | head -n 1)
link="$desktop/Corvane Lumetra.lnk"
pf='C:\Program Files\Corvane Lumetra' pf86='C:\Program Files (x86)\Corvane Lumetra'
folder_of() { [ "$1" = 32 ] && echo "$drive_c/Program Files (x86)/Corvane Lumetra" || echo "$drive_c/Program Files/Corvane Lumetra"; }
win_folder() { [ "$1" = 32 ] && echo "$pf86" || echo "$pf"; }
dist_of() { [ "$1" = 32 ] && echo "$x86" || echo "$x64"; }
# The UninstallString in the view of $1 bits; empty when there is no entry.
entry_in() { "$wine_run" "$root" reg query "$key" /v UninstallString "/reg:$1" 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
names() { [ "$(entry_in "$1")" = "\"$(win_folder "$1")\\Uninstall.exe\"" ] || fail "$2: the $1-bit view's entry is \"$(entry_in "$1")\""; }
# A very silent run of $1 (Setup.exe or Uninstall.exe path) logging to $work/$2.
silent() {
  status=0
  "$wine_run" "$root" "$1" /VERYSILENT /SUPPRESSMSGBOXES "/LOG=Z:$work/$2" >"$work/$2.out" 2>&1 || status=$?
  tr -d '\r' <"$work/$2" >"$work/$2.txt" 2>/dev/null || true
  [ "$status" = 0 ] || { cat "$work/$2.txt"; fail "$1 exited $status"; }
}
log_says() { grep -qF -- "$2" "$work/$1.txt" || { cat "$work/$1.txt"; fail "$1 does not say: $2"; }; }
# Installs build $1 (bits) very silently into its proposed folder; the other
# build $2 is installed already.
install_second() {
  silent "$(dist_of "$1")/Setup.exe" "setup$1.log"
  log_says "setup$1.log" "Question: Corvane Lumetra is already installed in $(win_folder "$2"). Install a second copy in $(win_folder "$1")?"
  log_says "setup$1.log" "HKEY_LOCAL_MACHINE, $1-bit view)."
  names "$1" "after the second install"; names "$2" "the first copy's entry after the second install"
}
# Uninstalls build $1; build $2 stays installed, or none when $2 is empty.
uninstall() {
  silent "$(folder_of "$1")/Uninstall.exe" "uninstall$1.log"
  log_says "uninstall$1.log" "is gone from HKEY_LOCAL_MACHINE, $1-bit view."
  for _ in $(seq 40); do [ -e "$(folder_of "$1")" ] || break; sleep 0.5; done
  [ ! -e "$(folder_of "$1")" ] || { ls -la "$(folder_of "$1")"; fail "the $1-bit copy's folder stayed"; }
  [ -z "$(entry_in "$1")" ] || fail "the $1-bit entry stayed"
  if [ -n "$2" ]; then
    names "$2" "the other copy's entry after uninstalling the $1-bit copy"
    [ -f "$(folder_of "$2")/Corvane Lumetra.exe" ] && [ -f "$(folder_of "$2")/Uninstall.exe" ] ||
      fail "uninstalling the $1-bit copy took the other's files"
  else
    [ -z "$(entry_in 32)$(entry_in 64)" ] || fail "an entry stayed"
    [ ! -e "$link" ] || fail "the desktop link stayed"
  fi
}

# --- The x86 build alone: a very silent run takes the proposed folder ------
silent "$x86/Setup.exe" setup32.log
log_says setup32.log "Folder: $pf86 (made)"
log_says setup32.log "(Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvane Lumetra, HKEY_LOCAL_MACHINE, 32-bit view)."
names 32 "after the x86 install"
[ -z "$(entry_in 64)" ] || fail "the x86 Setup wrote the 64-bit view"
ok "the x86 Setup proposes $pf86 and lists itself in the 32-bit view, as its log says"

# --- x86 then x64 installed; x86 then x64 removed -------------------------------
install_second 64 32
ok "the x64 Setup asks before a second copy and leaves the 32-bit entry alone"
uninstall 32 64
[ -f "$link" ] || fail "uninstalling the x86 copy took the x64 copy's link"
uninstall 64 ''
ok "x86 removed first, then x64: each took only its own; nothing is left"

# --- x64 then x86 installed; x64 then x86 removed -------------------------------
silent "$x64/Setup.exe" setup64.log
names 64 "after the x64 install"
install_second 32 64
ok "the x86 Setup asks before a second copy and leaves the 64-bit entry alone"
uninstall 64 32
uninstall 32 ''
ok "x64 removed first, then x86: each took only its own; nothing is left"
